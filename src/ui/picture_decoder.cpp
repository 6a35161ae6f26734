#include "ui/picture_decoder.h"

#include <wincodec.h>

#include <cstdint>

namespace memo {

namespace {

// Releases a COM interface at the end of its scope.
template <typename T>
class ComPtr {
 public:
  ComPtr() = default;
  ~ComPtr() {
    if (pointer_) pointer_->Release();
  }
  ComPtr(const ComPtr&) = delete;
  ComPtr& operator=(const ComPtr&) = delete;
  T** Out() { return &pointer_; }
  T* operator->() const { return pointer_; }
  T* Get() const { return pointer_; }

 private:
  T* pointer_ = nullptr;
};

// COM for the calling thread for as long as the decoding takes; a thread that already has
// COM in another mode keeps it and can use it as it is.
class ComScope {
 public:
  ComScope() : result_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
  ~ComScope() {
    if (SUCCEEDED(result_)) CoUninitialize();
  }
  bool Usable() const { return SUCCEEDED(result_) || result_ == RPC_E_CHANGED_MODE; }

 private:
  HRESULT result_;
};

// Pixels come premultiplied; laying them over the background is one multiply-add each.
void LayOver(std::uint8_t* pixels, size_t count, COLORREF background) {
  const unsigned back[3] = {GetBValue(background), GetGValue(background), GetRValue(background)};
  for (size_t i = 0; i < count; ++i, pixels += 4) {
    unsigned alpha = pixels[3];
    for (int c = 0; c < 3; ++c) pixels[c] = pixels[c] + back[c] * (255 - alpha) / 255;
    pixels[3] = 255;
  }
}

// The converted pixels as a top-down 32-bit bitmap.
HBITMAP CopyToBitmap(IWICFormatConverter& converter, UINT width, UINT height) {
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = static_cast<LONG>(width);
  info.bmiHeader.biHeight = -static_cast<LONG>(height);  // top-down, as WIC gives rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!bitmap) return nullptr;
  UINT stride = width * 4;
  if (FAILED(converter.CopyPixels(nullptr, stride, stride * height, static_cast<BYTE*>(bits)))) {
    DeleteObject(bitmap);
    return nullptr;
  }
  return bitmap;
}

// The first frame as a top-down 32-bit bitmap in the given pixel format, scaled to
// width x height unless both are 0.
HBITMAP DecodeFrame(const std::string& bytes, REFWICPixelFormatGUID format, UINT width,
                    UINT height) {
  ComScope com;
  if (!com.Usable()) return nullptr;
  ComPtr<IWICImagingFactory> factory;
  if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                              IID_IWICImagingFactory, reinterpret_cast<void**>(factory.Out())))) {
    return nullptr;
  }
  ComPtr<IWICStream> stream;
  ComPtr<IWICBitmapDecoder> decoder;
  ComPtr<IWICBitmapFrameDecode> frame;
  ComPtr<IWICBitmapScaler> scaler;
  ComPtr<IWICFormatConverter> converter;
  UINT frameWidth = 0, frameHeight = 0;
  if (FAILED(factory->CreateStream(stream.Out())) ||
      FAILED(stream->InitializeFromMemory(reinterpret_cast<BYTE*>(const_cast<char*>(bytes.data())),
                                          static_cast<DWORD>(bytes.size()))) ||
      FAILED(factory->CreateDecoderFromStream(stream.Get(), nullptr, WICDecodeMetadataCacheOnDemand,
                                              decoder.Out())) ||
      FAILED(decoder->GetFrame(0, frame.Out())) ||
      FAILED(frame->GetSize(&frameWidth, &frameHeight)) || frameWidth == 0 || frameHeight == 0 ||
      frameWidth > kMaxPictureSide || frameHeight > kMaxPictureSide) {
    return nullptr;
  }
  IWICBitmapSource* source = frame.Get();
  if (width == 0 && height == 0) {
    width = frameWidth;
    height = frameHeight;
  } else if (width == 0 || height == 0 || width > kMaxPictureSide || height > kMaxPictureSide) {
    return nullptr;
  } else if (width != frameWidth || height != frameHeight) {
    if (FAILED(factory->CreateBitmapScaler(scaler.Out())) ||
        FAILED(scaler->Initialize(source, width, height, WICBitmapInterpolationModeFant))) {
      return nullptr;
    }
    source = scaler.Get();
  }
  if (FAILED(factory->CreateFormatConverter(converter.Out())) ||
      FAILED(converter->Initialize(source, format, WICBitmapDitherTypeNone, nullptr, 0.0,
                                   WICBitmapPaletteTypeCustom))) {
    return nullptr;
  }

  return CopyToBitmap(*converter.Get(), width, height);
}

}  // namespace

HBITMAP DecodePicture(const std::string& bytes, COLORREF background) {
  HBITMAP bitmap = DecodeFrame(bytes, GUID_WICPixelFormat32bppPBGRA, 0, 0);
  DIBSECTION section;
  if (!bitmap || GetObjectW(bitmap, sizeof(section), &section) != sizeof(section)) return bitmap;
  LayOver(static_cast<std::uint8_t*>(section.dsBm.bmBits),
          static_cast<size_t>(section.dsBm.bmWidth) * section.dsBm.bmHeight, background);
  return bitmap;
}

HBITMAP DecodePictureWithAlpha(const std::string& bytes, UINT width, UINT height) {
  return DecodeFrame(bytes, GUID_WICPixelFormat32bppBGRA, width, height);
}

}  // namespace memo
