#include "ui/hosted_controls.h"

#include "ui/form.h"

namespace memo::ui {

void PictureControl::Create(Form& form) {
  // Its left button press reaches the program as this control's event.
  box_ = std::make_unique<PictureBox>(builtInPicture_, [this] {
    if (onLeftButtonDown) onLeftButtonDown();
  });
  Adopt(form, box_->Create(form.Handle(), 0, 0, 0, 0, Design().id));
  OnDpiChanged(form.CurrentDpi());
}

void PictureControl::OnDpiChanged(const Dpi& dpi) {
  box_->SetDpi(dpi);
}

void ReportViewControl::Create(Form& form) {
  Adopt(form, view_.Create(form.Handle(), 0, 0, 0, 0, Design().id));
}

}  // namespace memo::ui
