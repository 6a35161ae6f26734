// Compares the controls of a program window with rows of its design: class, place in the
// window's client area, caption or text, visibility and enabled state.
#pragma once

#include <windows.h>

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

// The outer size, centred on the screen.
void ExpectWindowFrame(HWND window, int width, int height);

}  // namespace wine_test
