// The tests' basic vocabulary: texts between the test's GBK and the wide API, waiting, and
// windows as a person sees and works them, through the wide API of this process.
#pragma once

#include <windows.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace wine_test {

// Unix path (as CTest passes it) to a Windows path on Wine's Z: drive.
std::wstring WindowsPath(const std::string& unixPath);
std::wstring Wide(const std::string& gbk);
std::string Gb18030(const std::wstring& text);
// For failure messages.
std::string Utf8(const std::wstring& text);

// Polls every 50 ms; true as soon as the condition holds.
bool WaitUntil(const std::function<bool()>& condition, int timeoutMs = 5000);
// Handles the window messages waiting for this thread for about ms milliseconds.
void PumpMessages(int ms);

std::wstring WindowText(HWND window);
std::wstring ClassName(HWND window);
// The pixels of a window as the screen shows them, row by row from the top (0x00RRGGBB).
std::vector<DWORD> ScreenPixels(HWND window);
// Saves the whole virtual desktop as a BMP in the screenshot folder under this name.
void SaveScreenshot(const std::string& name);

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
POINT Centre(const RECT& rect);

// Mouse and keys, posted to a window as its own input would arrive.
void Click(HWND window, POINT point);  // point in the window's client area
void RightClick(HWND window, POINT point);
void PressKey(HWND window, WPARAM key);
// The window with the keyboard focus in the thread that owns this window.
HWND FocusOf(HWND window);

}  // namespace wine_test
