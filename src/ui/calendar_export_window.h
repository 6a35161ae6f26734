// The small step before a calendar file is written: how many years of events (this year
// and the ones after it), or one repeating event per friend instead.
#pragma once

#include <windows.h>

#include <optional>

#include "ui/form.h"

namespace memo::ui {

struct CalendarChoice {
  int years;
  bool rules;
};

class CalendarExportWindow {
 public:
  CalendarExportWindow();

  // Modal; the choice made with 确定, nothing after 取消 or closing.
  std::optional<CalendarChoice> Ask(HWND owner);

 private:
  void Confirm();

  Form form_;
  std::optional<CalendarChoice> choice_;
};

}  // namespace memo::ui
