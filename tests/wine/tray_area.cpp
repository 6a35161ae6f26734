#include "tray_area.h"

#include <commctrl.h>

#include <vector>

#include "remote_controls.h"
#include "window_basics.h"

namespace wine_test {
namespace {

constexpr size_t kRemoteSize = RemoteMemory::kSize;

BOOL CALLBACK CollectWindow(HWND window, LPARAM found) {
  reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
  return TRUE;
}

std::vector<HWND> AllWindows() {
  std::vector<HWND> windows;
  EnumChildWindows(GetDesktopWindow(), CollectWindow, reinterpret_cast<LPARAM>(&windows));
  return windows;
}

constexpr int kTraySlotWidth = 20;  // a small icon and its border

HWND Taskbar() {
  return FindWindowW(L"Shell_TrayWnd", nullptr);
}

POINT FirstTraySlot() {
  RECT area;
  GetClientRect(Taskbar(), &area);
  return {area.right - kTraySlotWidth / 2, area.bottom / 2};
}

}  // namespace

bool TrayShowsIcon() {
  HWND taskbar = Taskbar();
  RECT area;
  GetClientRect(taskbar, &area);
  HDC screen = GetDC(taskbar);
  // The free middle of the taskbar shows its background; the icon's slot differs from it.
  COLORREF background = GetPixel(screen, area.right / 2, area.bottom / 2);
  int differing = 0;
  for (int y = 0; y < area.bottom; ++y) {
    for (int x = area.right - kTraySlotWidth; x < area.right; ++x) {
      if (GetPixel(screen, x, y) != background) ++differing;
    }
  }
  ReleaseDC(taskbar, screen);
  return differing > 20;
}

void ClickTrayIcon() {
  Click(Taskbar(), FirstTraySlot());
}

void RightClickTrayIcon() {
  RightClick(Taskbar(), FirstTraySlot());
}

HWND VisibleBalloon() {
  for (HWND window : AllWindows()) {
    if (IsWindowVisible(window) && ClassName(window) == TOOLTIPS_CLASSW &&
        (GetWindowLongW(window, GWL_STYLE) & TTS_BALLOON)) {
      return window;
    }
  }
  return nullptr;
}

namespace {

// A process's memory is reachable only with its own handle; the taskbar is another process.
class OwnerProcess {
 public:
  explicit OwnerProcess(HWND window) {
    DWORD id = 0;
    GetWindowThreadProcessId(window, &id);
    handle_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, id);
  }
  ~OwnerProcess() {
    if (handle_) CloseHandle(handle_);
  }
  OwnerProcess(const OwnerProcess&) = delete;
  OwnerProcess& operator=(const OwnerProcess&) = delete;
  HANDLE Handle() const { return handle_; }

 private:
  HANDLE handle_;
};

struct Tool {
  HWND window = nullptr;  // the window the tool belongs to
  std::wstring text;
};

// A tooltip's first tool.
Tool FirstTool(HWND tooltip) {
  OwnerProcess owner(tooltip);
  RemoteMemory memory(owner.Handle(), kRemoteSize);
  TTTOOLINFOW info = {};
  info.cbSize = sizeof(info);
  info.lpszText = reinterpret_cast<wchar_t*>(memory.At(RemoteMemory::kTextOffset));
  memory.Write(&info, sizeof(info));
  Tool tool;
  if (!SendMessageW(tooltip, TTM_ENUMTOOLSW, 0, memory.At())) return tool;
  memory.Read(&info, sizeof(info));
  tool.window = info.hwnd;
  tool.text = memory.Text(RemoteMemory::kTextOffset, RemoteMemory::kTextCharacters);
  return tool;
}

}  // namespace

std::wstring TrayTip() {
  // Every icon has a plain tooltip of its own, whose tool is the taskbar.
  for (HWND window : AllWindows()) {
    if (ClassName(window) != TOOLTIPS_CLASSW || (GetWindowLongW(window, GWL_STYLE) & TTS_BALLOON)) {
      continue;
    }
    Tool tool = FirstTool(window);
    if (tool.window && tool.window == Taskbar()) return tool.text;
  }
  return std::wstring();
}

std::wstring BalloonText(HWND balloon) {
  return FirstTool(balloon).text;
}

bool BalloonShows(HWND balloon, const std::wstring& title, const std::wstring& text) {
  RECT place;
  if (!balloon || !GetWindowRect(balloon, &place)) return false;
  const std::vector<DWORD> shown = ScreenPixels(balloon);
  // The taskbar's kind of balloon, then moved onto the shown one.
  HWND drawn = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                               WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX | TTS_BALLOON | TTS_CLOSE,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr,
                               nullptr, nullptr, nullptr);
  std::wstring toolText = text;
  TTTOOLINFOW tool = {};
  tool.cbSize = sizeof(tool);
  tool.uFlags = TTF_TRACK;
  tool.hwnd = drawn;
  tool.uId = 1;
  tool.lpszText = toolText.data();
  SendMessageW(drawn, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  SendMessageW(drawn, TTM_SETTITLEW, TTI_INFO, reinterpret_cast<LPARAM>(title.c_str()));
  // Pointing where the taskbar's balloons point, its stem is where the shown one's is.
  POINT icon = FirstTraySlot();
  ClientToScreen(Taskbar(), &icon);
  SendMessageW(drawn, TTM_TRACKPOSITION, 0, MAKELONG(icon.x, icon.y));
  SendMessageW(drawn, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tool));
  PumpMessages(200);
  SetWindowPos(drawn, HWND_TOPMOST, place.left, place.top, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
  PumpMessages(300);
  RECT drawnPlace;
  GetWindowRect(drawn, &drawnPlace);
  const bool same = EqualRect(&place, &drawnPlace) && ScreenPixels(drawn) == shown;
  DestroyWindow(drawn);
  return same;
}

}  // namespace wine_test
