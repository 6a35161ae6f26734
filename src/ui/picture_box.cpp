#include "ui/picture_box.h"

#include "ui/picture_decoder.h"
#include "ui/window_binding.h"

namespace memo {

namespace {

const wchar_t kClassName[] = L"BirthdayMemoPicture";

COLORREF Background() {
  return GetSysColor(COLOR_BTNFACE);
}

}  // namespace

bool PictureBox::RegisterClassOnce() {
  static const bool registered = [] {
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = ui::WindowBinding::OwnClassProc<PictureBox>;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursor(nullptr, IDC_HAND);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kClassName;
    return RegisterClassW(&windowClass) != 0;
  }();
  return registered;
}

PictureBox::PictureBox(std::string builtInPicture, std::function<void()> onLeftButton)
    : builtInPicture_(std::move(builtInPicture)), onLeftButton_(std::move(onLeftButton)) {}

PictureBox::~PictureBox() {
  if (window_) DestroyWindow(window_);
  if (shown_) DeleteObject(shown_);
}

HWND PictureBox::Create(HWND parent, int x, int y, int width, int height, int id) {
  if (!RegisterClassOnce()) return nullptr;
  Show(DecodePicture(builtInPicture_, Background()));
  return CreateWindowExW(0, kClassName, L"", WS_CHILD | WS_VISIBLE, x, y, width, height, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                         GetModuleHandleW(nullptr), this);
}

void PictureBox::ShowDownloaded(const std::string& bytes) {
  HBITMAP picture = DecodePicture(bytes, Background());
  Show(picture ? picture : DecodePicture(builtInPicture_, Background()));
}

void PictureBox::Show(HBITMAP picture) {
  if (shown_) DeleteObject(shown_);
  shown_ = picture;
  if (window_) InvalidateRect(window_, nullptr, TRUE);
}

void PictureBox::SetDpi(const ui::Dpi& dpi) {
  dpi_ = dpi;
  if (window_) InvalidateRect(window_, nullptr, TRUE);
}

void PictureBox::Paint() {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window_, &paint);
  if (shown_) {
    BITMAP size = {};
    GetObjectW(shown_, sizeof(size), &size);
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(memory, shown_);
    SetStretchBltMode(dc, HALFTONE);
    SetBrushOrgEx(dc, 0, 0, nullptr);
    StretchBlt(dc, 0, 0, dpi_.Scale(size.bmWidth), dpi_.Scale(size.bmHeight), memory, 0, 0,
               size.bmWidth, size.bmHeight, SRCCOPY);
    SelectObject(memory, old);
    DeleteDC(memory);
  }
  EndPaint(window_, &paint);
}

LRESULT PictureBox::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_NCCREATE:
      window_ = window;
      break;
    case WM_PAINT:
      Paint();
      return 0;
    case WM_LBUTTONDOWN:
      if (onLeftButton_) onLeftButton_();
      return 0;
    case WM_NCDESTROY:
      window_ = nullptr;
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace memo
