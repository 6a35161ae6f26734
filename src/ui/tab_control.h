// Tab and page controls: pages with captions (and, for a page control, tooltips and icons)
// that share the control's rectangle. Its host shows the controls of the current page.
#pragma once

#include "ui/control.h"
#include "ui/design.h"

namespace memo::ui {

class TabControl : public Control, public Container {
 public:
  ~TabControl() override;
  bool Create(const CreateArgs& args);
  Container* AsContainer() override { return this; }
  // Set before the window is made.
  void SetPages(const PageDesign* pages, size_t count, const ImageStripDesign* images = nullptr);

  int CurrentPage() const;
  int PageCount() const { return static_cast<int>(pageCount_); }
  void ShowPage(int page);
  // Another page is shown, by a click on its tab or by the program.
  std::function<void(int page)> onPageChanged;

  // As a container: the pages' body in the colour the control draws it (themes differ).
  bool ShowsPage(int page) const override { return page == currentPage_; }
  std::optional<COLORREF> BodyColour() const override { return bodyColour_; }
  RECT BodyRect() const override;
  void SampleBodyColour() override;
  bool TurnPage(bool backwards) override;

 protected:
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
