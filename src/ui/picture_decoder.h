// Turns picture bytes into a bitmap the screen can show.
#pragma once

#include <windows.h>

#include <string>

namespace memo {

// Pictures larger than this on either side are refused: no advertisement is that big, and a
// small hostile file must not unpack into gigabytes.
constexpr UINT kMaxPictureSide = 2048;

// A top-down 32-bit bitmap of the first frame, transparent parts laid over background;
// nullptr when the bytes do not decode. The caller owns it.
HBITMAP DecodePicture(const std::string& bytes, COLORREF background);

// The same with the transparency kept (straight, not premultiplied alpha), scaled to
// width x height; for image lists.
HBITMAP DecodePictureWithAlpha(const std::string& bytes, UINT width, UINT height);

}  // namespace memo
