// The lunar month calendar as a control of a window design: the "CCalendar" unit made
// from the data its window stores, placed and shown by its host like any other control.
#pragma once

#include <functional>
#include <string>

#include "calendar/lunar_month_calendar.h"
#include "ui/control.h"

namespace memo {
class CalendarWindow;
}

namespace memo::ui {

class MonthCalendar : public Control {
 public:
  bool Create(const CreateArgs& args);
  // The unit takes the keyboard through its year list.
  bool TakesFocus() const override { return true; }
  // Set before the window is made: what its window stores for the unit.
  void SetStoredData(const CalendarStoredData& data) { stored_ = data; }

  // Nothing before the window is made or after it is gone.
  const LunarMonthCalendar* Model() const;
  // Selects from outside, with the selection's change event; nothing before the window is
  // made or after it is gone.
  void SelectDay(DayNumber day);
  void SetSolarMode(bool solar);

  // A day of the month shown was clicked.
  std::function<void()> onDatePicked;

 protected:
  void OnDpiChanged(const Dpi& dpi) override;

 private:
  // Lives as long as the window, which deletes it.
  CalendarWindow* Unit() const { return window_ ? unit_ : nullptr; }

  CalendarStoredData stored_;
  CalendarWindow* unit_ = nullptr;
};

}  // namespace memo::ui
