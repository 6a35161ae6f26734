// The add/edit birthday window: name, solar or lunar reminder, the date with its leap-month
// mark, the contact, and the place of the lunar month calendar. It is made anew at each
// opening.
#pragma once

#include "ui/form.h"

namespace memo::ui {

class BirthdayWindow {
 public:
  BirthdayWindow();

  // Modal, for adding a friend; returns once the window is closed.
  void OpenModal(HWND owner);

 private:
  void BindEvents();
  void ToggleCalendar();

  Form form_;
};

}  // namespace memo::ui
