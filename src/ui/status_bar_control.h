// The status bar: parts of fixed width with a text each, the first with an image, and a tip
// that shows a text the part cuts short whole. Any thread may set a part's text; the change
// is made on the user-interface thread.
#pragma once

#include "ui/control.h"
#include "ui/design.h"
#include "window_logic/status_bar.h"

namespace memo::ui {

class StatusBarControl : public Control, public memo::StatusBar {
 public:
  ~StatusBarControl() override;
  bool Create(const CreateArgs& args);
  // Set before the window is made.
  void SetParts(const StatusPartDesign* parts, size_t count, const ImageStripDesign& images);
  void SetPartText(int part, const std::string& text) override;

 protected:
  void OnDpiChanged(const Dpi& dpi) override;

 private:
  void ApplyParts(const Dpi& dpi);

  const StatusPartDesign* parts_ = nullptr;
  size_t partCount_ = 0;
  const ImageStripDesign* images_ = nullptr;
  HIMAGELIST imageList_ = nullptr;
  HICON icon_ = nullptr;
};

}  // namespace memo::ui
