// The program's images: resources, and image lists cut from strips of equally wide images.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <string>

#include "ui/design.h"
#include "ui/dpi.h"

namespace memo::ui {

// The bytes of an RCDATA resource of the program; empty when it is missing.
std::string ResourceBytes(int resourceId);

// An image list with a mask, the strip's images scaled to the DPI; nullptr when the strip
// cannot be read.
HIMAGELIST LoadImageStrip(const ImageStripDesign& strip, const Dpi& dpi);

}  // namespace memo::ui
