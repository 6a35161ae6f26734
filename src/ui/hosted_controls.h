// Controls of the design tables whose windows come from components of their own: the
// advertisement picture (PictureBox) and the report view (RichReportView). Their host places,
// stacks and shows them like any other control.
#pragma once

#include <memory>
#include <string>

#include "ui/control.h"
#include "ui/picture_box.h"
#include "ui/report_view.h"

namespace memo::ui {

class PictureControl : public Control {
 public:
  bool Create(const CreateArgs& args);
  // Set before the window is made: the picture shown until a download replaces it.
  void SetBuiltInPicture(std::string bytes) { builtInPicture_ = std::move(bytes); }
  // Exists once the window is made.
  PictureBox& Box() { return *box_; }

 protected:
  void OnDpiChanged(const Dpi& dpi) override;

 private:
  std::string builtInPicture_;
  std::unique_ptr<PictureBox> box_;
};

class ReportViewControl : public Control {
 public:
  bool Create(const CreateArgs& args);
  RichReportView& View() { return view_; }

 private:
  RichReportView view_;
};

}  // namespace memo::ui
