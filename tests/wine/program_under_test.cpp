#include "program_under_test.h"

#include <cstdlib>
#include <ostream>
#include <vector>

#include "text/text_codec.h"

namespace wine_test {

std::wstring WindowsPath(const std::string& unixPath) {
  std::wstring path = L"Z:";
  for (char c : unixPath) path += (c == '/') ? L'\\' : static_cast<wchar_t>(c);
  return path;
}

std::wstring Wide(const std::string& gbk) {
  std::u16string text = memo::GbkToUtf16(gbk);
  return std::wstring(text.begin(), text.end());
}

ProgramUnderTest::ProgramUnderTest() {
  settings::Clear();
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  wchar_t name[64];
  wsprintfW(name, L"memo-%lu-%lu", GetCurrentProcessId(), GetTickCount());
  folder_ = std::wstring(temp) + name;
  CreateDirectoryW(folder_.c_str(), nullptr);
}

ProgramUnderTest::~ProgramUnderTest() {
  if (process_.hProcess) {
    if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
      TerminateProcess(process_.hProcess, 1);
    }
    CloseHandle(process_.hProcess);
    CloseHandle(process_.hThread);
  }
}

bool ProgramUnderTest::Start(const StartOptions& options) {
  const char* exeDir = std::getenv("BIRTHDAY_MEMO_EXE_DIR");
  if (!exeDir) return false;
  std::wstring source = WindowsPath(std::string(exeDir) + "/birthday-memo.exe");
  std::wstring exe = folder_ + L"\\birthday-memo.exe";
  // The copy of an earlier start may stay in use for a moment after that program ended.
  if (!WaitUntil([&] { return CopyFileW(source.c_str(), exe.c_str(), FALSE) != 0; })) {
    return false;
  }
  SetEnvironmentVariableW(L"BIRTHDAY_MEMO_TODAY", Wide(options.today).c_str());
  SetEnvironmentVariableW(L"BIRTHDAY_MEMO_BALLOON",
                          options.balloon.empty() ? nullptr : Wide(options.balloon).c_str());
  // By default the advertisement download meets a closed port at once, not a distant site.
  SetEnvironmentVariableW(L"BIRTHDAY_MEMO_PUBLISHER_HOST", Wide(options.publisherHost).c_str());
  STARTUPINFOW startup = {};
  startup.cb = sizeof(startup);
  std::wstring commandLine = L"\"" + exe + L"\"";
  return CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder_.c_str(), &startup, &process_) != 0;
}

namespace {
struct WindowSearch {
  DWORD processId;
  const wchar_t* className;
  HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<WindowSearch*>(data);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != search->processId || !IsWindowVisible(window)) return TRUE;
  if (search->className) {
    wchar_t name[256];
    GetClassNameW(window, name, 256);
    if (lstrcmpW(name, search->className) != 0) return TRUE;
  }
  search->found = window;
  return FALSE;
}
}  // namespace

HWND ProgramUnderTest::WaitForWindow(const wchar_t* className, int timeoutMs) {
  for (int waited = 0; waited <= timeoutMs; waited += 50) {
    WindowSearch search{process_.dwProcessId, className, nullptr};
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
    if (search.found) return search.found;
    Sleep(50);
  }
  return nullptr;
}

int ProgramUnderTest::WaitForExit(int timeoutMs) {
  if (WaitForSingleObject(process_.hProcess, timeoutMs) != WAIT_OBJECT_0) return -1;
  DWORD code = 0;
  GetExitCodeProcess(process_.hProcess, &code);
  return static_cast<int>(code);
}

std::wstring WindowText(HWND window) {
  // Asked as a message: an edit box of another process keeps its text to itself.
  LRESULT length = SendMessageW(window, WM_GETTEXTLENGTH, 0, 0);
  std::vector<wchar_t> buffer(length + 1, 0);
  SendMessageW(window, WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(buffer.data()));
  return std::wstring(buffer.data());
}

std::string Utf8(const std::wstring& text) {
  return memo::GbkToUtf8(memo::Utf16ToGbk(std::u16string(text.begin(), text.end())));
}

std::wstring ClassName(HWND window) {
  wchar_t name[256] = {};
  GetClassNameW(window, name, 256);
  return name;
}

bool WaitUntil(const std::function<bool()>& condition, int timeoutMs) {
  for (int waited = 0;; waited += 50) {
    if (condition()) return true;
    if (waited >= timeoutMs) return false;
    Sleep(50);
  }
}

void SaveScreenshot(const std::string& name) {
  const char* folder = std::getenv("BIRTHDAY_MEMO_SHOTS");
  if (!folder) return;
  HDC screen = GetDC(nullptr);
  int width = GetSystemMetrics(SM_CXVIRTUALSCREEN), height = GetSystemMetrics(SM_CYVIRTUALSCREEN);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, 0, 0, SRCCOPY);
  SelectObject(memory, old);

  DWORD stride = ((width * 3 + 3) / 4) * 4;
  DWORD imageBytes = stride * height;
  BITMAPFILEHEADER file = {};
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof(file) + sizeof(info.bmiHeader);
  file.bfSize = file.bfOffBits + imageBytes;
  std::wstring path = WindowsPath(std::string(folder) + "/" + name + ".bmp");
  HANDLE out = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (out != INVALID_HANDLE_VALUE) {
    DWORD written = 0;
    WriteFile(out, &file, sizeof(file), &written, nullptr);
    WriteFile(out, &info.bmiHeader, sizeof(info.bmiHeader), &written, nullptr);
    WriteFile(out, bits, imageBytes, &written, nullptr);
    CloseHandle(out);
  }
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
}

namespace settings {

const wchar_t* const Key = L"Software\\Tavelin";

void Clear() {
  RegDeleteTreeW(HKEY_CURRENT_USER, Key);
}

void WriteNumber(const wchar_t* name, DWORD value) {
  RegSetKeyValueW(HKEY_CURRENT_USER, Key, name, REG_DWORD, &value, sizeof(value));
}

void WriteText(const wchar_t* name, const std::wstring& text, DWORD type) {
  RegSetKeyValueW(HKEY_CURRENT_USER, Key, name, type, text.c_str(),
                  static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
}

Stored Read(const wchar_t* name) {
  Stored stored;
  BYTE data[4096] = {};
  DWORD size = sizeof(data) - sizeof(wchar_t);
  if (RegGetValueW(HKEY_CURRENT_USER, Key, name, RRF_RT_ANY | RRF_NOEXPAND, &stored.type, data,
                   &size) != ERROR_SUCCESS) {
    return stored;
  }
  stored.exists = true;
  if (stored.type == REG_DWORD) memcpy(&stored.number, data, sizeof(DWORD));
  if (stored.type == REG_SZ || stored.type == REG_EXPAND_SZ) {
    stored.text = reinterpret_cast<const wchar_t*>(data);
  }
  return stored;
}

}  // namespace settings

RECT PlaceInWindow(HWND control) {
  RECT rect;
  GetWindowRect(control, &rect);
  MapWindowPoints(nullptr, GetAncestor(control, GA_ROOT), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

Place PlaceOf(HWND control) {
  RECT rect = PlaceInWindow(control);
  return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

std::ostream& operator<<(std::ostream& out, const Place& place) {
  return out << "(" << place.left << ", " << place.top << ", " << place.width << " x "
             << place.height << ")";
}

void Click(HWND window, POINT point) {
  LPARAM at = MAKELPARAM(point.x, point.y);
  PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, at);
  PostMessageW(window, WM_LBUTTONUP, 0, at);
}

void RightClick(HWND window, POINT point) {
  LPARAM at = MAKELPARAM(point.x, point.y);
  PostMessageW(window, WM_RBUTTONDOWN, MK_RBUTTON, at);
  PostMessageW(window, WM_RBUTTONUP, 0, at);
}

void PressKey(HWND window, WPARAM key) {
  PostMessageW(window, WM_KEYDOWN, key, 1);
  PostMessageW(window, WM_KEYUP, key, 0xC0000001);
}

HWND FocusOf(HWND window) {
  GUITHREADINFO info = {};
  info.cbSize = sizeof(info);
  GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
  return info.hwndFocus;
}

POINT Centre(const RECT& rect) {
  return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

namespace {

// Memory in another process for the messages whose arguments are pointers.
class RemoteMemory {
 public:
  RemoteMemory(HANDLE process, size_t size)
      : process_(process),
        address_(VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE)) {
  }
  ~RemoteMemory() {
    if (address_) VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
  }
  RemoteMemory(const RemoteMemory&) = delete;
  RemoteMemory& operator=(const RemoteMemory&) = delete;

  LPARAM At(size_t offset = 0) const {
    return reinterpret_cast<LPARAM>(static_cast<char*>(address_) + offset);
  }
  void Write(const void* data, size_t size, size_t offset = 0) {
    WriteProcessMemory(process_, static_cast<char*>(address_) + offset, data, size, nullptr);
  }
  void Read(void* data, size_t size, size_t offset = 0) const {
    ReadProcessMemory(process_, static_cast<char*>(address_) + offset, data, size, nullptr);
  }
  std::wstring Text(size_t offset, size_t characters) const {
    std::vector<wchar_t> text(characters + 1, 0);
    Read(text.data(), characters * sizeof(wchar_t), offset);
    return text.data();
  }

 private:
  HANDLE process_;
  void* address_;
};

constexpr size_t TextOffset = 1024;  // where the text buffer starts in the remote memory
constexpr size_t TextCharacters = 1024;
constexpr size_t RemoteSize = TextOffset + (TextCharacters + 1) * sizeof(wchar_t);

}  // namespace

std::wstring StatusPartText(HANDLE process, HWND status, int part) {
  RemoteMemory memory(process, RemoteSize);
  SendMessageW(status, SB_GETTEXTW, part, memory.At(TextOffset));
  return memory.Text(TextOffset, TextCharacters);
}

std::vector<int> StatusPartEdges(HANDLE process, HWND status) {
  RemoteMemory memory(process, RemoteSize);
  int count = static_cast<int>(SendMessageW(status, SB_GETPARTS, 64, memory.At()));
  std::vector<int> edges(count > 0 ? count : 0);
  if (!edges.empty()) memory.Read(edges.data(), edges.size() * sizeof(int));
  return edges;
}

std::vector<Column> ListColumns(HANDLE process, HWND list) {
  HWND header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
  int count = static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0));
  std::vector<Column> columns;
  RemoteMemory memory(process, RemoteSize);
  for (int i = 0; i < count; ++i) {
    LVCOLUMNW column = {};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.pszText = reinterpret_cast<wchar_t*>(memory.At(TextOffset));
    column.cchTextMax = TextCharacters;
    memory.Write(&column, sizeof(column));
    SendMessageW(list, LVM_GETCOLUMNW, i, memory.At());
    memory.Read(&column, sizeof(column));
    columns.push_back({memory.Text(TextOffset, TextCharacters), column.cx});
  }
  return columns;
}

std::wstring ListCell(HANDLE process, HWND list, int row, int column) {
  RemoteMemory memory(process, RemoteSize);
  LVITEMW item = {};
  item.iSubItem = column;
  item.pszText = reinterpret_cast<wchar_t*>(memory.At(TextOffset));
  item.cchTextMax = TextCharacters;
  memory.Write(&item, sizeof(item));
  SendMessageW(list, LVM_GETITEMTEXTW, row, memory.At());
  return memory.Text(TextOffset, TextCharacters);
}

void SelectListRows(HANDLE process, HWND list, const std::vector<int>& rows) {
  RemoteMemory memory(process, RemoteSize);
  auto setState = [&](int row, UINT state, UINT mask) {
    LVITEMW item = {};
    item.stateMask = mask;
    item.state = state;
    memory.Write(&item, sizeof(item));
    SendMessageW(list, LVM_SETITEMSTATE, row, memory.At());
  };
  setState(-1, 0, LVIS_SELECTED | LVIS_FOCUSED);
  for (size_t i = 0; i < rows.size(); ++i) {
    setState(rows[i], i == 0 ? LVIS_SELECTED | LVIS_FOCUSED : LVIS_SELECTED,
             LVIS_SELECTED | LVIS_FOCUSED);
  }
}

SYSTEMTIME DatePickerTime(HANDLE process, HWND picker) {
  RemoteMemory memory(process, RemoteSize);
  SendMessageW(picker, DTM_GETSYSTEMTIME, 0, memory.At());
  SYSTEMTIME time = {};
  memory.Read(&time, sizeof(time));
  return time;
}

RECT ListRowRect(HANDLE process, HWND list, int row) {
  RemoteMemory memory(process, RemoteSize);
  RECT rect = {};
  rect.left = LVIR_BOUNDS;
  memory.Write(&rect, sizeof(rect));
  SendMessageW(list, LVM_GETITEMRECT, row, memory.At());
  memory.Read(&rect, sizeof(rect));
  return rect;
}

std::vector<std::wstring> TabCaptions(HANDLE process, HWND tab) {
  int count = static_cast<int>(SendMessageW(tab, TCM_GETITEMCOUNT, 0, 0));
  std::vector<std::wstring> captions;
  RemoteMemory memory(process, RemoteSize);
  for (int i = 0; i < count; ++i) {
    TCITEMW item = {};
    item.mask = TCIF_TEXT;
    item.pszText = reinterpret_cast<wchar_t*>(memory.At(TextOffset));
    item.cchTextMax = TextCharacters;
    memory.Write(&item, sizeof(item));
    SendMessageW(tab, TCM_GETITEMW, i, memory.At());
    captions.push_back(memory.Text(TextOffset, TextCharacters));
  }
  return captions;
}

RECT TabItemRect(HANDLE process, HWND tab, int index) {
  RemoteMemory memory(process, RemoteSize);
  RECT rect = {};
  SendMessageW(tab, TCM_GETITEMRECT, index, memory.At());
  memory.Read(&rect, sizeof(rect));
  return rect;
}

std::vector<ToolButton> ToolButtons(HANDLE process, HWND toolbar) {
  int count = static_cast<int>(SendMessageW(toolbar, TB_BUTTONCOUNT, 0, 0));
  std::vector<ToolButton> buttons;
  RemoteMemory memory(process, RemoteSize);
  for (int i = 0; i < count; ++i) {
    TBBUTTON button = {};
    SendMessageW(toolbar, TB_GETBUTTON, i, memory.At());
    memory.Read(&button, sizeof(button));
    ToolButton read{button.idCommand, button.fsStyle, button.iBitmap, L"", {}};
    if (!(button.fsStyle & BTNS_SEP)) {
      SendMessageW(toolbar, TB_GETBUTTONTEXTW, button.idCommand, memory.At(TextOffset));
      read.caption = memory.Text(TextOffset, TextCharacters);
    }
    SendMessageW(toolbar, TB_GETITEMRECT, i, memory.At());
    memory.Read(&read.rect, sizeof(read.rect));
    buttons.push_back(read);
  }
  return buttons;
}

namespace {

BOOL CALLBACK CollectWindow(HWND window, LPARAM found) {
  reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
  return TRUE;
}

std::vector<HWND> AllWindows() {
  std::vector<HWND> windows;
  EnumChildWindows(GetDesktopWindow(), CollectWindow, reinterpret_cast<LPARAM>(&windows));
  return windows;
}

}  // namespace

namespace {

constexpr int TraySlotWidth = 20;  // a small icon and its border

HWND Taskbar() {
  return FindWindowW(L"Shell_TrayWnd", nullptr);
}

POINT FirstTraySlot() {
  RECT area;
  GetClientRect(Taskbar(), &area);
  return {area.right - TraySlotWidth / 2, area.bottom / 2};
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
    for (int x = area.right - TraySlotWidth; x < area.right; ++x) {
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
  RemoteMemory memory(owner.Handle(), RemoteSize);
  TTTOOLINFOW info = {};
  info.cbSize = sizeof(info);
  info.lpszText = reinterpret_cast<wchar_t*>(memory.At(TextOffset));
  memory.Write(&info, sizeof(info));
  Tool tool;
  if (!SendMessageW(tooltip, TTM_ENUMTOOLSW, 0, memory.At())) return tool;
  memory.Read(&info, sizeof(info));
  tool.window = info.hwnd;
  tool.text = memory.Text(TextOffset, TextCharacters);
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

std::vector<DWORD> ScreenPixels(HWND window) {
  RECT place;
  GetWindowRect(window, &place);
  const int width = place.right - place.left, height = place.bottom - place.top;
  if (width <= 0 || height <= 0) return {};
  std::vector<DWORD> pixels(static_cast<size_t>(width) * height);
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, place.left, place.top, SRCCOPY);
  GdiFlush();
  if (bits) memcpy(pixels.data(), bits, pixels.size() * sizeof(DWORD));
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return pixels;
}

namespace {

void HandleMessages(int ms) {
  for (DWORD end = GetTickCount() + ms; static_cast<int>(end - GetTickCount()) > 0; Sleep(10)) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
  }
}

}  // namespace

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
  HandleMessages(200);
  SetWindowPos(drawn, HWND_TOPMOST, place.left, place.top, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
  HandleMessages(300);
  RECT drawnPlace;
  GetWindowRect(drawn, &drawnPlace);
  const bool same = EqualRect(&place, &drawnPlace) && ScreenPixels(drawn) == shown;
  DestroyWindow(drawn);
  return same;
}

ListRows ReadListRows(HANDLE process, HWND list) {
  HWND header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
  const int columns = static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0));
  const int count = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
  ListRows rows(count);
  for (int row = 0; row < count; ++row) {
    for (int column = 0; column < columns; ++column) {
      rows[row].push_back(ListCell(process, list, row, column));
    }
  }
  return rows;
}

}  // namespace wine_test
