// Starts the real birthday-memo.exe from a temporary program folder and reads its windows
// from this process through the wide API, as a person's tools would see them.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

namespace wine_test {

// Unix path (as CTest passes it) to a Windows path on Wine's Z: drive.
std::wstring WindowsPath(const std::string& unixPath);
std::wstring Wide(const std::string& gbk);

struct StartOptions {
  std::string today = "2012-04-15";  // the fixed date the program reads at start-up
  std::string balloon;               // "TITLE|TEXT": a balloon shown at start-up
  // Where the advertisement comes from; a closed port answers at once.
  std::string publisherHost = "127.0.0.1:9";
};

class ProgramUnderTest {
 public:
  // Also removes the settings key, so that every test starts as on a fresh machine.
  ProgramUnderTest();
  ~ProgramUnderTest();

  const std::wstring& Folder() const { return folder_; }
  bool Start(const StartOptions& options = {});
  // Waits for a visible top-level window of the program with this class (or any class
  // when empty); nullptr after the time-out.
  HWND WaitForWindow(const wchar_t* className, int timeoutMs = 15000);
  // Waits for the process to end and gives its exit code, or -1 after the time-out.
  int WaitForExit(int timeoutMs = 15000);
  DWORD ProcessId() const { return process_.dwProcessId; }
  HANDLE Process() const { return process_.hProcess; }

 private:
  std::wstring folder_;
  PROCESS_INFORMATION process_ = {};
};

std::wstring WindowText(HWND window);
// The pixels of a window as the screen shows them, row by row from the top (0x00RRGGBB).
std::vector<DWORD> ScreenPixels(HWND window);
// For failure messages.
std::string Utf8(const std::wstring& text);
std::wstring ClassName(HWND window);
// Saves the whole virtual desktop as a BMP in the screenshot folder under this name.
void SaveScreenshot(const std::string& name);
// Polls every 50 ms; true as soon as the condition holds.
bool WaitUntil(const std::function<bool()>& condition, int timeoutMs = 5000);

// The program's settings key, HKEY_CURRENT_USER\Software\Tavelin, in the same registry.
namespace settings {
void Clear();
void WriteNumber(const wchar_t* name, DWORD value);
void WriteText(const wchar_t* name, const std::wstring& text, DWORD type = REG_SZ);
struct Stored {
  bool exists = false;
  DWORD type = REG_NONE;
  DWORD number = 0;
  std::wstring text;
};
Stored Read(const wchar_t* name);
}  // namespace settings

// A control's rectangle in the client area of its top-level window.
RECT PlaceInWindow(HWND control);
// The rectangle's top-left corner and size, for comparing with a design row.
struct Place {
  int left, top, width, height;
  bool operator==(const Place& other) const {
    return left == other.left && top == other.top && width == other.width && height == other.height;
  }
};
Place PlaceOf(HWND control);
std::ostream& operator<<(std::ostream& out, const Place& place);

// Mouse and keys, posted to a window as its own input would arrive.
void Click(HWND window, POINT point);  // point in the window's client area
void RightClick(HWND window, POINT point);
void PressKey(HWND window, WPARAM key);
// The window with the keyboard focus in the thread that owns this window.
HWND FocusOf(HWND window);

// Controls of another process, read through memory in that process.
std::wstring StatusPartText(HANDLE process, HWND status, int part);
std::vector<int> StatusPartEdges(HANDLE process, HWND status);
struct Column {
  std::wstring caption;
  int width;
};
std::vector<Column> ListColumns(HANDLE process, HWND list);
std::wstring ListCell(HANDLE process, HWND list, int row, int column);
RECT ListRowRect(HANDLE process, HWND list, int row);  // in the list's client area
// Selects exactly these rows, as Ctrl and clicks would, the focus mark on the first.
void SelectListRows(HANDLE process, HWND list, const std::vector<int>& rows);
// The date a date picker holds.
SYSTEMTIME DatePickerTime(HANDLE process, HWND picker);
std::vector<std::wstring> TabCaptions(HANDLE process, HWND tab);
RECT TabItemRect(HANDLE process, HWND tab, int index);
struct ToolButton {
  int command;
  BYTE style;
  int image;
  std::wstring caption;
  RECT rect;
};
std::vector<ToolButton> ToolButtons(HANDLE process, HWND toolbar);
POINT Centre(const RECT& rect);

// The taskbar (Wine's explorer) draws the notification area's icons itself, the first one
// in the rightmost slot; a balloon is a tooltip window of its own.
bool TrayShowsIcon();
void ClickTrayIcon();
void RightClickTrayIcon();
HWND VisibleBalloon();
// What the taskbar keeps of the notification area, read from its tooltips: the first icon's
// tip (empty without an icon) and a balloon's text.
std::wstring TrayTip();
std::wstring BalloonText(HWND balloon);
// True when the balloon looks exactly like an information balloon with this title and text
// that the test draws in the same place. (The tooltip here answers no question about its
// title.)
bool BalloonShows(HWND balloon, const std::wstring& title, const std::wstring& text);

// All rows of a list view of another process, each with its column texts.
using ListRows = std::vector<std::vector<std::wstring>>;
ListRows ReadListRows(HANDLE process, HWND list);

}  // namespace wine_test
