// A balloon tip pointing at a control, which says why the control did not take what was
// typed: a tooltip window of its own below the control, gone after a few seconds. Comctl32's
// own balloon for edit boxes is not there on every system the program runs on.
#pragma once

#include <windows.h>

#include <string>

namespace memo::ui {

class BalloonTip {
 public:
  // Shows the text (GBK) below the middle of the control, in place of any text shown before.
  void Show(HWND control, const std::string& text);

 private:
  HWND tip_ = nullptr;  // owned by the control's window, and destroyed with it
};

}  // namespace memo::ui
