#include "host_window.h"

#include "ui/ui_thread.h"

namespace wine_test {
namespace {

constexpr wchar_t kClassName[] = L"TestHostWindow";

}  // namespace

HWND HostWindow(const wchar_t* title, const RECT& place) {
  memo::ui::BecomeUiThread();
  static const bool registered = [] {
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kClassName;
    return RegisterClassW(&windowClass) != 0;
  }();
  (void)registered;
  HWND window =
      CreateWindowExW(0, kClassName, title, WS_OVERLAPPED | WS_CAPTION | WS_VISIBLE, place.left,
                      place.top, place.right - place.left, place.bottom - place.top, nullptr,
                      nullptr, GetModuleHandleW(nullptr), nullptr);
  SetForegroundWindow(window);
  return window;
}

}  // namespace wine_test
