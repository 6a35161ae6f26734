#include "ui/hosted_controls.h"

namespace memo::ui {

bool PictureControl::Create(const CreateArgs& args) {
  // Its left button press reaches the program as this control's event.
  box_ = std::make_unique<PictureBox>(builtInPicture_, [this] {
    if (onLeftButtonDown) onLeftButtonDown();
  });
  if (!Adopt(args, box_->Create(args.host->Handle(), 0, 0, 0, 0, args.id))) return false;
  OnDpiChanged(args.host->CurrentDpi());
  return true;
}

void PictureControl::OnDpiChanged(const Dpi& dpi) {
  box_->SetDpi(dpi);
}

bool ReportViewControl::Create(const CreateArgs& args) {
  return Adopt(args, view_.Create(args.host->Handle(), 0, 0, 0, 0, args.id));
}

}  // namespace memo::ui
