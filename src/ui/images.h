// The program's images: resources decoded with the Windows Imaging Component into 32-bit
// bitmaps with alpha, and image lists cut from strips of equally wide images.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <string>

#include "ui/design.h"
#include "ui/dpi.h"

namespace memo::ui {

// The bytes of an RCDATA resource of the program; empty when it is missing.
std::string ResourceBytes(int resourceId);

// A 32-bit top-down bitmap of the picture in these bytes (PNG, GIF, BMP...), scaled to
// width x height when both are given; nullptr when the bytes hold no picture.
HBITMAP DecodePicture(const std::string& bytes, int width = 0, int height = 0);

// An image list with a mask, the strip's images scaled to the DPI; nullptr when the strip
// cannot be read.
HIMAGELIST LoadImageStrip(const ImageStripDesign& strip, const Dpi& dpi);

}  // namespace memo::ui
