#include "ui/dpi.h"

namespace memo::ui {
namespace {

// Looked up at run time: these functions exist from Windows 10 on.
template <typename Function>
Function User32Function(const char* name) {
  return reinterpret_cast<Function>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}

Dpi SystemDpi() {
  static const auto getDpiForSystem = User32Function<UINT(WINAPI*)()>("GetDpiForSystem");
  if (getDpiForSystem) return Dpi{static_cast<int>(getDpiForSystem())};
  HDC screen = GetDC(nullptr);
  Dpi dpi{GetDeviceCaps(screen, LOGPIXELSY)};
  ReleaseDC(nullptr, screen);
  return dpi;
}

}  // namespace

Dpi DpiOfWindow(HWND window) {
  static const auto getDpiForWindow = User32Function<UINT(WINAPI*)(HWND)>("GetDpiForWindow");
  if (getDpiForWindow) {
    UINT dpi = getDpiForWindow(window);
    if (dpi != 0) return Dpi{static_cast<int>(dpi)};
  }
  return SystemDpi();
}

int VerticalScrollBarWidth(const Dpi& dpi) {
  static const auto getSystemMetricsForDpi =
      User32Function<int(WINAPI*)(int, UINT)>("GetSystemMetricsForDpi");
  if (getSystemMetricsForDpi) return getSystemMetricsForDpi(SM_CXVSCROLL, dpi.value);
  return MulDiv(GetSystemMetrics(SM_CXVSCROLL), dpi.value, SystemDpi().value);
}

}  // namespace memo::ui
