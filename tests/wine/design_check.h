// Compares the controls of a program window with rows of its design: class, place in the
// window's client area, caption or text, visibility and enabled state; and checks that
// controls do not overlap.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <string>

namespace wine_test {

struct ExpectedControl {
  int id;
  const wchar_t* className;
  const char* text;  // GBK; nullptr: not compared
  int left, top, width, height;
  bool visible = true;
  bool enabled = true;
};

void ExpectControl(HWND window, const ExpectedControl& control);

template <size_t N>
void ExpectControls(HWND window, const ExpectedControl (&controls)[N]) {
  for (const ExpectedControl& control : controls) ExpectControl(window, control);
}

// Each control lies within the container, and no two of them share a pixel.
void ExpectApartWithin(HWND window, int containerId, std::initializer_list<int> ids);

// The outer size, centred in the work area of the screen.
void ExpectWindowFrame(HWND window, int width, int height);

}  // namespace wine_test
