// The question the main window's close box asks until the user says 不再询问: hide the window
// to the tray and go on reminding, or end the program.
#pragma once

#include <windows.h>

#include <optional>

#include "settings/settings_names.h"
#include "ui/form.h"

namespace memo::ui {

struct CloseAnswer {
  CloseChoice choice;  // kTray or kExit
  bool askAgain;
};

class CloseQuestionWindow {
 public:
  CloseQuestionWindow();

  // Modal; nothing after 取消 or closing it, when the main window stays as it is.
  std::optional<CloseAnswer> Ask(HWND owner);

 private:
  Form form_;
  std::optional<CloseAnswer> answer_;
};

}  // namespace memo::ui
