// Input as a person gives it: pointer and key events made by the X server itself (xdotool,
// through the XTEST extension), which reach the program through Wine's X11 driver exactly as
// a real mouse's and keyboard's do, implicit pointer grab and focus changes included. Posted
// messages skip that path, and clicks that Wine's SendInput makes from another process get
// lost often here.
#pragma once

#include <windows.h>

#include <string>

namespace wine_test::real_input {

// Each returns once the X server has the events; false when xdotool did not run.
// Points are screen coordinates, which in the virtual desktop are the display's.
bool Click(POINT screen);
bool DoubleClick(POINT screen);
// Plain ASCII text, typed key by key into the window with the keyboard focus.
bool Type(const std::string& text);
// A key combination in xdotool's names, such as "alt+F4".
bool PressKeys(const std::string& keys);

// The middle of a control, or of a row of another process's list view, on the screen.
POINT CentreOf(HWND control);
POINT RowCentre(HANDLE process, HWND list, int row);

// What the screen shows in the window's rectangle looks like a window that has drawn
// itself: the face colour of windows covers a good part of it (frame, background, buttons)
// and black does not cover most of it.
bool LooksDrawn(HWND window);
// The window is the foreground window and draws its caption as active.
bool IsActive(HWND window);

}  // namespace wine_test::real_input
