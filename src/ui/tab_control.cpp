#include "ui/tab_control.h"

#include "text/win32/wide_text.h"
#include "ui/images.h"

namespace memo::ui {

TabControl::~TabControl() {
  if (imageList_) ImageList_Destroy(imageList_);
}

void TabControl::SetPages(const PageDesign* pages, size_t count, const ImageStripDesign* images) {
  pages_ = pages;
  pageCount_ = count;
  images_ = images;
}

bool TabControl::Create(const CreateArgs& args) {
  if (!CreateChild(args, WC_TABCONTROLW, WS_CLIPCHILDREN | TCS_TOOLTIPS)) return false;
  OnDpiChanged(args.host->CurrentDpi());
  for (size_t i = 0; i < pageCount_; ++i) {
    std::wstring caption = Wide(pages_[i].caption);
    TCITEMW item = {};
    item.mask = TCIF_TEXT | TCIF_IMAGE;
    item.pszText = caption.data();
    item.iImage = images_ ? pages_[i].image : -1;
    SendMessageW(window_, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
  }
  return true;
}

void TabControl::OnDpiChanged(const Dpi& dpi) {
  if (!images_) return;
  HIMAGELIST old = imageList_;
  imageList_ = LoadImageStrip(*images_, dpi);
  SendMessageW(window_, TCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(imageList_));
  if (old) ImageList_Destroy(old);
}

int TabControl::CurrentPage() const {
  return currentPage_;
}

RECT TabControl::BodyRect() const {
  RECT body;
  GetClientRect(window_, &body);
  SendMessageW(window_, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&body));
  MapWindowPoints(window_, GetParent(window_), reinterpret_cast<POINT*>(&body), 2);
  return body;
}

void TabControl::SampleBodyColour() {
  RECT area;
  GetClientRect(window_, &area);
  if (area.right <= 0 || area.bottom <= 0) return;
  HDC screen = GetDC(window_);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP canvas = CreateCompatibleBitmap(screen, area.right, area.bottom);
  HGDIOBJ old = SelectObject(memory, canvas);
  FillRect(memory, &area, GetSysColorBrush(COLOR_BTNFACE));
  SendMessageW(window_, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory),
               PRF_CLIENT | PRF_ERASEBKGND);
  RECT body = area;
  SendMessageW(window_, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&body));
  bodyColour_ = GetPixel(memory, (body.left + body.right) / 2, (body.top + body.bottom) / 2);
  SelectObject(memory, old);
  DeleteObject(canvas);
  DeleteDC(memory);
  ReleaseDC(window_, screen);
}

void TabControl::ShowPage(int page) {
  SendMessageW(window_, TCM_SETCURSEL, page, 0);
  currentPage_ = static_cast<int>(SendMessageW(window_, TCM_GETCURSEL, 0, 0));
  if (host_) host_->UpdateVisibility();
  if (onPageChanged) onPageChanged(currentPage_);
}

bool TabControl::TurnPage(bool backwards) {
  const int count = PageCount();
  if (count == 0) return false;
  ShowPage((currentPage_ + (backwards ? count - 1 : 1)) % count);
  return true;
}

bool TabControl::OwnsNotifier(HWND from) const {
  return from == window_ ||
         from == reinterpret_cast<HWND>(SendMessageW(window_, TCM_GETTOOLTIPS, 0, 0));
}

LRESULT TabControl::OnNotify(NMHDR* header) {
  if (header->hwndFrom == window_) {
    if (header->code == TCN_SELCHANGE) {
      currentPage_ = static_cast<int>(SendMessageW(window_, TCM_GETCURSEL, 0, 0));
      if (host_) host_->UpdateVisibility();
      if (onPageChanged) onPageChanged(currentPage_);
    }
    return 0;
  }
  if (header->code == TTN_GETDISPINFOW && header->idFrom < pageCount_) {
    // The tip's text must outlive this call: it is kept in the item's own buffer.
    auto* tip = reinterpret_cast<NMTTDISPINFOW*>(header);
    const char* text = pages_[header->idFrom].tooltip;
    lstrcpynW(tip->szText, Wide(text ? text : "").c_str(), ARRAYSIZE(tip->szText));
    tip->lpszText = tip->szText;
  }
  return 0;
}

}  // namespace memo::ui
