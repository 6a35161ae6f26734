#include "real_input.h"

#include "child_process.h"
#include "remote_controls.h"
#include "window_basics.h"

namespace wine_test::real_input {
namespace {

std::wstring Ascii(const std::string& text) {
  return std::wstring(text.begin(), text.end());
}

// xdotool is a Unix program: Wine starts it but gives no handle to wait on, so the shell
// that runs it leaves a mark file when it is done.
bool RunXdotool(const std::string& arguments) {
  static int runs = 0;
  const std::string mark =
      "/tmp/memo-xdotool-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++runs);
  ChildProcess xdotool;
  if (!xdotool.Start(L"Z:\\bin\\sh -c \"xdotool " + Ascii(arguments) + L" && : > " + Ascii(mark) +
                     L"\"")) {
    return false;
  }
  const std::wstring markPath = WindowsPath(mark);
  // Starting a Unix process from Wine takes seconds when the machine is busy compiling.
  bool done = WaitUntil(
      [&] { return GetFileAttributesW(markPath.c_str()) != INVALID_FILE_ATTRIBUTES; }, 30000);
  DeleteFileW(markPath.c_str());
  return done;
}

std::string At(POINT screen) {
  return "mousemove " + std::to_string(screen.x) + " " + std::to_string(screen.y);
}

}  // namespace

bool Click(POINT screen) {
  return RunXdotool(At(screen) + " click 1");
}

bool DoubleClick(POINT screen) {
  return RunXdotool(At(screen) + " click --repeat 2 --delay 80 1");
}

bool Type(const std::string& text) {
  return RunXdotool("type --delay 40 '" + text + "'");
}

bool PressKeys(const std::string& keys) {
  return RunXdotool("key " + keys);
}

POINT CentreOf(HWND control) {
  RECT area;
  GetWindowRect(control, &area);
  return Centre(area);
}

POINT RowCentre(HANDLE process, HWND list, int row) {
  // On the first column's text: a click beside the columns selects nothing.
  RECT rect = ListRowRect(process, list, row);
  POINT point = {rect.left + 12, (rect.top + rect.bottom) / 2};
  ClientToScreen(list, &point);
  return point;
}

bool LooksDrawn(HWND window) {
  const std::vector<DWORD> pixels = ScreenPixels(window);
  if (pixels.empty()) return false;
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  const DWORD facePixel = (GetRValue(face) << 16) | (GetGValue(face) << 8) | GetBValue(face);
  size_t faceCount = 0, blackCount = 0;
  for (DWORD pixel : pixels) {
    pixel &= 0xFFFFFF;
    if (pixel == facePixel) ++faceCount;
    if (pixel == 0) ++blackCount;
  }
  return faceCount * 20 >= pixels.size() && blackCount * 2 < pixels.size();
}

bool IsActive(HWND window) {
  // Asked of the window's own thread: another thread's active window is its own business.
  GUITHREADINFO info = {};
  info.cbSize = sizeof(info);
  return GetForegroundWindow() == window &&
         GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info) &&
         info.hwndActive == window;
}

}  // namespace wine_test::real_input
