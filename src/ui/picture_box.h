// A picture drawn over the control's rectangle, with the hand cursor over it.
#pragma once

#include "ui/control.h"

namespace memo::ui {

class PictureBox : public Control {
 public:
  using Control::Control;
  ~PictureBox() override;
  // Shows the picture in these bytes (GIF, PNG...); the old one stays when they hold none.
  void SetPicture(const std::string& bytes);

 protected:
  void Create(Form& form) override;

 private:
  static LRESULT CALLBACK PictureProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  HBITMAP picture_ = nullptr;
};

}  // namespace memo::ui
