// Pictures for the tests, made with the system's own encoders: one colour all over.
#pragma once

#include <windows.h>

#include <string>

namespace wine_test {

enum class PictureKind { kGif, kPng, kJpeg };

// The file bytes of a width x height picture of this colour; empty when encoding failed.
std::string SolidPicture(PictureKind kind, UINT width, UINT height, COLORREF color);

// The colour on screen at this point of the window's client area.
COLORREF ColorAt(HWND window, int x, int y);
// The same read from the screen itself: a window of another process keeps its device context
// to itself.
COLORREF ScreenColorAt(HWND window, int x, int y);
// True when each channel differs by at most tolerance (JPEG does not keep colours exactly).
bool SameColor(COLORREF a, COLORREF b, int tolerance = 0);

}  // namespace wine_test
