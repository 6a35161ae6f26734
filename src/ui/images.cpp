#include "ui/images.h"

#include <vector>

#include "ui/picture_decoder.h"

namespace memo::ui {
namespace {

// A one-bit mask from the alpha channel: set where the picture is see-through.
HBITMAP MaskFromAlpha(HBITMAP picture) {
  DIBSECTION section;
  if (GetObjectW(picture, sizeof(section), &section) != sizeof(section)) return nullptr;
  const int width = section.dsBm.bmWidth, height = section.dsBm.bmHeight;
  const int stride = ((width + 15) / 16) * 2;  // monochrome rows are WORD aligned
  std::vector<BYTE> bits(static_cast<size_t>(stride) * height, 0);
  const auto* pixels = static_cast<const BYTE*>(section.dsBm.bmBits);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      if (pixels[(static_cast<size_t>(y) * width + x) * 4 + 3] < 128) {
        bits[static_cast<size_t>(y) * stride + x / 8] |= 0x80 >> (x % 8);
      }
    }
  }
  return CreateBitmap(width, height, 1, 1, bits.data());
}

}  // namespace

std::string ResourceBytes(int resourceId) {
  HMODULE module = GetModuleHandleW(nullptr);
  HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(resourceId), RT_RCDATA);
  if (!found) return std::string();
  HGLOBAL loaded = LoadResource(module, found);
  const void* data = loaded ? LockResource(loaded) : nullptr;
  if (!data) return std::string();
  return std::string(static_cast<const char*>(data), SizeofResource(module, found));
}

HIMAGELIST LoadImageStrip(const ImageStripDesign& strip, const Dpi& dpi) {
  const int width = dpi.Scale(strip.width), height = dpi.Scale(strip.height);
  HBITMAP pictures =
      DecodePictureWithAlpha(ResourceBytes(strip.resourceId), width * strip.count, height);
  if (!pictures) return nullptr;
  HBITMAP mask = MaskFromAlpha(pictures);
  HIMAGELIST list = ImageList_Create(width, height, ILC_COLOR32 | ILC_MASK, strip.count, 0);
  if (list) ImageList_Add(list, pictures, mask);
  if (mask) DeleteObject(mask);
  DeleteObject(pictures);
  return list;
}

}  // namespace memo::ui
