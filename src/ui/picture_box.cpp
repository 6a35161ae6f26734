#include "ui/picture_box.h"

#include "ui/form.h"
#include "ui/images.h"

namespace memo::ui {
namespace {

const wchar_t* const PictureClass = L"BirthdayMemoPicture";
const wchar_t* const PictureProperty = L"memo.picture";

}  // namespace

PictureBox::~PictureBox() {
  if (picture_) DeleteObject(picture_);
}

void PictureBox::Create(Form& form) {
  WNDCLASSEXW windowClass = {};
  if (!GetClassInfoExW(form.Instance(), PictureClass, &windowClass)) {
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = PictureProc;
    windowClass.hInstance = form.Instance();
    windowClass.hCursor = LoadCursorW(nullptr, IDC_HAND);
    windowClass.lpszClassName = PictureClass;
    RegisterClassExW(&windowClass);
  }
  CreateChild(form, PictureClass, 0);
  SetPropW(window_, PictureProperty, this);
}

void PictureBox::SetPicture(const std::string& bytes) {
  HBITMAP picture = DecodePicture(bytes);
  if (!picture) return;
  if (picture_) DeleteObject(picture_);
  picture_ = picture;
  if (window_) InvalidateRect(window_, nullptr, TRUE);
}

LRESULT CALLBACK PictureBox::PictureProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PAINT) {
    PAINTSTRUCT paint;
    HDC target = BeginPaint(window, &paint);
    auto* self = static_cast<PictureBox*>(GetPropW(window, PictureProperty));
    if (self && self->picture_) {
      RECT area;
      GetClientRect(window, &area);
      BITMAP size;
      GetObjectW(self->picture_, sizeof(size), &size);
      HDC source = CreateCompatibleDC(target);
      HGDIOBJ old = SelectObject(source, self->picture_);
      SetStretchBltMode(target, HALFTONE);
      StretchBlt(target, 0, 0, area.right, area.bottom, source, 0, 0, size.bmWidth, size.bmHeight,
                 SRCCOPY);
      SelectObject(source, old);
      DeleteDC(source);
    }
    EndPaint(window, &paint);
    return 0;
  }
  if (message == WM_NCDESTROY) RemovePropW(window, PictureProperty);
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace memo::ui
