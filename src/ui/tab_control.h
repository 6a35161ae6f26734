// Tab and page controls: pages with captions (and, for a page control, tooltips and icons)
// that share the control's rectangle. The form shows the controls of the current page.
#pragma once

#include "ui/control.h"

namespace memo::ui {

class TabControl : public Control {
 public:
  using Control::Control;
  ~TabControl() override;
  // Set before the window is made.
  void SetPages(const PageDesign* pages, size_t count, const ImageStripDesign* images = nullptr);

  int CurrentPage() const;
  int PageCount() const { return static_cast<int>(pageCount_); }
  void ShowPage(int page);
  // Another page is shown, by a click on its tab or by the program.
  std::function<void(int page)> onPageChanged;
  // The colour of the pages' body, as the control draws it (themes differ).
  COLORREF BodyColour() const { return bodyColour_; }
  // The pages' body in the client area of the control's parent.
  RECT BodyRect() const;
  // Takes the body colour again, after the size or the theme changed.
  void SampleBodyColour();

 protected:
  void Create(Form& form) override;
  LRESULT OnNotify(NMHDR* header) override;
  bool OwnsNotifier(HWND from) const override;
  void OnDpiChanged(const Dpi& dpi) override;

 private:
  const PageDesign* pages_ = nullptr;
  size_t pageCount_ = 0;
  const ImageStripDesign* images_ = nullptr;
  HIMAGELIST imageList_ = nullptr;
  int currentPage_ = 0;
  COLORREF bodyColour_ = GetSysColor(COLOR_BTNFACE);
};

}  // namespace memo::ui
