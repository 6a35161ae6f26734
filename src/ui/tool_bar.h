// The toolbar: buttons with images above their captions, separators in between; a click
// reports the button's index in the design (separators count).
#pragma once

#include "ui/control.h"
#include "ui/design.h"

namespace memo::ui {

class ToolBar : public Control {
 public:
  ~ToolBar() override;
  bool Create(const CreateArgs& args);
  // Set before the window is made.
  void SetButtons(const ToolButtonDesign* buttons, size_t count, const ImageStripDesign& images);
  // Greys the button of this index in the design, or gives it back.
  void EnableButton(int index, bool enabled);
  std::function<void(int index)> onButtonClick;

 protected:
  void OnCommand(int id, int code) override;
  LRESULT OnNotify(NMHDR* header) override;
  bool OwnsNotifier(HWND from) const override;
  void OnDpiChanged(const Dpi& dpi) override;

 private:
  void AddButtons();

  const ToolButtonDesign* buttons_ = nullptr;
  size_t buttonCount_ = 0;
  const ImageStripDesign* images_ = nullptr;
  HIMAGELIST imageList_ = nullptr;
};

}  // namespace memo::ui
