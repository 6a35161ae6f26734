// Design sizes are pixels at 96 DPI; every coordinate, size and font is scaled by the DPI of
// the window it lies in, so that the design holds exactly at 96 DPI.
#pragma once

#include <windows.h>

namespace memo::ui {

constexpr int DesignDpi = 96;

struct Dpi {
  int value = DesignDpi;
  int Scale(int designPixels) const { return MulDiv(designPixels, value, DesignDpi); }
};

// The DPI of the monitor the window is on (the system DPI on systems without per-monitor DPI).
Dpi DpiOfWindow(HWND window);
// The width of a vertical scroll bar at the DPI.
int VerticalScrollBarWidth(const Dpi& dpi);

}  // namespace memo::ui
