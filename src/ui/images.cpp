#include "ui/images.h"

#include <wincodec.h>

#include <vector>

namespace memo::ui {
namespace {

// Releases a COM interface when it goes out of scope.
template <typename T>
class ComPointer {
 public:
  ComPointer() = default;
  ~ComPointer() {
    if (pointer_) pointer_->Release();
  }
  ComPointer(const ComPointer&) = delete;
  ComPointer& operator=(const ComPointer&) = delete;
  T** operator&() { return &pointer_; }
  T* operator->() const { return pointer_; }
  T* get() const { return pointer_; }
  explicit operator bool() const { return pointer_ != nullptr; }

 private:
  T* pointer_ = nullptr;
};

HBITMAP TopDownBitmap(int width, int height, void** bits) {
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, bits, nullptr, 0);
}

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

HBITMAP DecodePicture(const std::string& bytes, int width, int height) {
  if (bytes.empty()) return nullptr;
  ComPointer<IWICImagingFactory> factory;
  if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                              IID_IWICImagingFactory, reinterpret_cast<void**>(&factory)))) {
    return nullptr;
  }
  ComPointer<IWICStream> stream;
  ComPointer<IWICBitmapDecoder> decoder;
  ComPointer<IWICBitmapFrameDecode> frame;
  ComPointer<IWICFormatConverter> converter;
  if (FAILED(factory->CreateStream(&stream)) ||
      FAILED(stream->InitializeFromMemory(reinterpret_cast<BYTE*>(const_cast<char*>(bytes.data())),
                                          static_cast<DWORD>(bytes.size()))) ||
      FAILED(factory->CreateDecoderFromStream(stream.get(), nullptr, WICDecodeMetadataCacheOnDemand,
                                              &decoder)) ||
      FAILED(decoder->GetFrame(0, &frame)) || FAILED(factory->CreateFormatConverter(&converter))) {
    return nullptr;
  }
  UINT frameWidth = 0, frameHeight = 0;
  frame->GetSize(&frameWidth, &frameHeight);
  IWICBitmapSource* source = frame.get();
  ComPointer<IWICBitmapScaler> scaler;
  if (width > 0 && height > 0 &&
      (static_cast<UINT>(width) != frameWidth || static_cast<UINT>(height) != frameHeight)) {
    if (FAILED(factory->CreateBitmapScaler(&scaler)) ||
        FAILED(scaler->Initialize(source, width, height, WICBitmapInterpolationModeFant))) {
      return nullptr;
    }
    source = scaler.get();
  } else {
    width = static_cast<int>(frameWidth);
    height = static_cast<int>(frameHeight);
  }
  if (width <= 0 || height <= 0 ||
      FAILED(converter->Initialize(source, GUID_WICPixelFormat32bppBGRA, WICBitmapDitherTypeNone,
                                   nullptr, 0, WICBitmapPaletteTypeCustom))) {
    return nullptr;
  }
  void* bits = nullptr;
  HBITMAP bitmap = TopDownBitmap(width, height, &bits);
  if (!bitmap) return nullptr;
  const UINT stride = static_cast<UINT>(width) * 4;
  if (FAILED(converter->CopyPixels(nullptr, stride, stride * height, static_cast<BYTE*>(bits)))) {
    DeleteObject(bitmap);
    return nullptr;
  }
  return bitmap;
}

HIMAGELIST LoadImageStrip(const ImageStripDesign& strip, const Dpi& dpi) {
  const int width = dpi.Scale(strip.width), height = dpi.Scale(strip.height);
  HBITMAP pictures = DecodePicture(ResourceBytes(strip.resourceId), width * strip.count, height);
  if (!pictures) return nullptr;
  HBITMAP mask = MaskFromAlpha(pictures);
  HIMAGELIST list = ImageList_Create(width, height, ILC_COLOR32 | ILC_MASK, strip.count, 0);
  if (list) ImageList_Add(list, pictures, mask);
  if (mask) DeleteObject(mask);
  DeleteObject(pictures);
  return list;
}

}  // namespace memo::ui
