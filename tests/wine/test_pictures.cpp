#include "test_pictures.h"

#include <wincodec.h>

#include <cstdlib>
#include <vector>

namespace wine_test {

namespace {

template <typename T>
void Release(T*& pointer) {
  if (pointer) pointer->Release();
  pointer = nullptr;
}

}  // namespace

std::string SolidPicture(PictureKind kind, UINT width, UINT height, COLORREF color) {
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  const GUID& container = kind == PictureKind::kGif   ? GUID_ContainerFormatGif
                          : kind == PictureKind::kPng ? GUID_ContainerFormatPng
                                                      : GUID_ContainerFormatJpeg;
  IWICImagingFactory* factory = nullptr;
  IStream* stream = nullptr;
  IWICBitmapEncoder* encoder = nullptr;
  IWICBitmapFrameEncode* frame = nullptr;
  std::string bytes;
  std::vector<BYTE> pixels(static_cast<size_t>(width) * height * 3);
  for (size_t i = 0; i < pixels.size(); i += 3) {
    pixels[i] = GetBValue(color);
    pixels[i + 1] = GetGValue(color);
    pixels[i + 2] = GetRValue(color);
  }
  WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
  bool ok =
      SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                 IID_IWICImagingFactory, reinterpret_cast<void**>(&factory))) &&
      SUCCEEDED(CreateStreamOnHGlobal(nullptr, TRUE, &stream)) &&
      SUCCEEDED(factory->CreateEncoder(container, nullptr, &encoder)) &&
      SUCCEEDED(encoder->Initialize(stream, WICBitmapEncoderNoCache)) &&
      SUCCEEDED(encoder->CreateNewFrame(&frame, nullptr)) &&
      SUCCEEDED(frame->Initialize(nullptr)) && SUCCEEDED(frame->SetSize(width, height)) &&
      SUCCEEDED(frame->SetPixelFormat(&format));
  if (ok && format == GUID_WICPixelFormat8bppIndexed) {
    // GIF takes only indexed pixels: one palette entry and every pixel pointing at it.
    IWICPalette* palette = nullptr;
    WICColor entry =
        0xFF000000 | (GetRValue(color) << 16) | (GetGValue(color) << 8) | GetBValue(color);
    ok = SUCCEEDED(factory->CreatePalette(&palette)) &&
         SUCCEEDED(palette->InitializeCustom(&entry, 1)) && SUCCEEDED(frame->SetPalette(palette));
    Release(palette);
    pixels.assign(static_cast<size_t>(width) * height, 0);
    ok = ok && SUCCEEDED(frame->WritePixels(height, width, width * height, pixels.data()));
  } else if (ok) {
    ok = format == GUID_WICPixelFormat24bppBGR &&
         SUCCEEDED(frame->WritePixels(height, width * 3, width * height * 3, pixels.data()));
  }
  ok = ok && SUCCEEDED(frame->Commit()) && SUCCEEDED(encoder->Commit());
  if (ok) {
    HGLOBAL memory = nullptr;
    GetHGlobalFromStream(stream, &memory);
    STATSTG stat = {};
    stream->Stat(&stat, STATFLAG_NONAME);
    const char* data = static_cast<const char*>(GlobalLock(memory));
    bytes.assign(data, static_cast<size_t>(stat.cbSize.QuadPart));
    GlobalUnlock(memory);
  }
  Release(frame);
  Release(encoder);
  Release(stream);
  Release(factory);
  return bytes;
}

COLORREF ColorAt(HWND window, int x, int y) {
  HDC dc = GetDC(window);
  COLORREF color = GetPixel(dc, x, y);
  ReleaseDC(window, dc);
  return color;
}

COLORREF ScreenColorAt(HWND window, int x, int y) {
  POINT at = {x, y};
  ClientToScreen(window, &at);
  HDC screen = GetDC(nullptr);
  COLORREF color = GetPixel(screen, at.x, at.y);
  ReleaseDC(nullptr, screen);
  return color;
}

bool SameColor(COLORREF a, COLORREF b, int tolerance) {
  return std::abs(GetRValue(a) - GetRValue(b)) <= tolerance &&
         std::abs(GetGValue(a) - GetGValue(b)) <= tolerance &&
         std::abs(GetBValue(a) - GetBValue(b)) <= tolerance;
}

}  // namespace wine_test
