#include "ui/picture_box.h"

#include "ui/picture_decoder.h"

namespace memo {

namespace {

const wchar_t kClassName[] = L"BirthdayMemoPicture";
// Posted to the box when a picture waits in pending_.
const UINT kShowPendingMessage = WM_APP + 0x50;

COLORREF Background() {
  return GetSysColor(COLOR_BTNFACE);
}

}  // namespace

void PictureBox::RegisterClassOnce() {
  static const bool registered = [] {
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursor(nullptr, IDC_HAND);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kClassName;
    return RegisterClassW(&windowClass) != 0;
  }();
  (void)registered;
}

PictureBox::PictureBox(std::string builtInPicture, std::function<void()> onLeftButton)
    : builtInPicture_(std::move(builtInPicture)), onLeftButton_(std::move(onLeftButton)) {}

PictureBox::~PictureBox() {
  if (window_) DestroyWindow(window_);
  if (shown_) DeleteObject(shown_);
  if (pending_) DeleteObject(pending_);
}

HWND PictureBox::Create(HWND parent, int x, int y, int width, int height, int id) {
  RegisterClassOnce();
  shown_ = DecodePicture(builtInPicture_, Background());
  HWND window = CreateWindowExW(0, kClassName, L"", WS_CHILD | WS_VISIBLE, x, y, width, height,
                                parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                GetModuleHandleW(nullptr), this);
  if (window) TakePending();  // a download that finished before the box existed
  return window;
}

void PictureBox::ShowDownloaded(const std::string& bytes) {
  HBITMAP picture = DecodePicture(bytes, Background());
  if (!picture) picture = DecodePicture(builtInPicture_, Background());
  {
    std::lock_guard<std::mutex> lock(pendingLock_);
    if (pending_) DeleteObject(pending_);
    pending_ = picture;
    havePending_ = true;
  }
  HWND window = window_;
  if (!window) return;
  if (GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId()) {
    TakePending();
  } else {
    PostMessageW(window, kShowPendingMessage, 0, 0);
  }
}

void PictureBox::SetDpi(const ui::Dpi& dpi) {
  dpi_ = dpi;
  if (window_) InvalidateRect(window_, nullptr, TRUE);
}

void PictureBox::TakePending() {
  {
    std::lock_guard<std::mutex> lock(pendingLock_);
    if (!havePending_) return;
    if (shown_) DeleteObject(shown_);
    shown_ = pending_;
    pending_ = nullptr;
    havePending_ = false;
  }
  InvalidateRect(window_, nullptr, TRUE);
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

LRESULT CALLBACK PictureBox::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* box = static_cast<PictureBox*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    box->window_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(box));
  }
  auto* box = reinterpret_cast<PictureBox*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!box) return DefWindowProcW(window, message, wParam, lParam);
  switch (message) {
    case WM_PAINT:
      box->Paint();
      return 0;
    case WM_LBUTTONDOWN:
      if (box->onLeftButton_) box->onLeftButton_();
      return 0;
    case kShowPendingMessage:
      box->TakePending();
      return 0;
    case WM_NCDESTROY:
      box->window_ = nullptr;
      SetWindowLongPtrW(window, GWLP_USERDATA, 0);
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace memo
