#include "ui/status_bar_control.h"

#include <vector>

#include "text/win32/wide_text.h"
#include "ui/images.h"
#include "ui/ui_thread.h"

namespace memo::ui {

StatusBarControl::~StatusBarControl() {
  if (icon_) DestroyIcon(icon_);
  if (imageList_) ImageList_Destroy(imageList_);
}

void StatusBarControl::SetParts(const StatusPartDesign* parts, size_t count,
                                const ImageStripDesign& images) {
  parts_ = parts;
  partCount_ = count;
  images_ = &images;
}

bool StatusBarControl::Create(const CreateArgs& args) {
  if (!CreateChild(args, STATUSCLASSNAMEW,
                   CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER | SBT_TOOLTIPS)) {
    return false;
  }
  ApplyParts(args.host->CurrentDpi());
  for (size_t i = 0; i < partCount_; ++i) {
    SendMessageW(window_, SB_SETTEXTW, i, reinterpret_cast<LPARAM>(Wide(parts_[i].text).c_str()));
  }
  return true;
}

void StatusBarControl::OnDpiChanged(const Dpi& dpi) {
  ApplyParts(dpi);
}

void StatusBarControl::ApplyParts(const Dpi& dpi) {
  std::vector<int> rightEdges;
  int right = 0;
  for (size_t i = 0; i < partCount_; ++i) {
    right += parts_[i].width;
    rightEdges.push_back(dpi.Scale(right));
  }
  SendMessageW(window_, SB_SETPARTS, rightEdges.size(),
               reinterpret_cast<LPARAM>(rightEdges.data()));

  HIMAGELIST oldList = imageList_;
  HICON oldIcon = icon_;
  imageList_ = LoadImageStrip(*images_, dpi);
  icon_ = nullptr;
  for (size_t i = 0; i < partCount_; ++i) {
    if (parts_[i].image < 0 || !imageList_) continue;
    icon_ = ImageList_GetIcon(imageList_, parts_[i].image, ILD_NORMAL);
    SendMessageW(window_, SB_SETICON, i, reinterpret_cast<LPARAM>(icon_));
  }
  if (oldIcon) DestroyIcon(oldIcon);
  if (oldList) ImageList_Destroy(oldList);
}

void StatusBarControl::SetPartText(int part, const std::string& text) {
  RunOnUi([this, part, text] {
    if (!window_) return;
    const std::wstring wide = Wide(text);
    SendMessageW(window_, SB_SETTEXTW, part, reinterpret_cast<LPARAM>(wide.c_str()));
    // The bar shows a part's tip when the part cuts its text short.
    SendMessageW(window_, SB_SETTIPTEXTW, part, reinterpret_cast<LPARAM>(wide.c_str()));
  });
}

}  // namespace memo::ui
