#include "ui/month_calendar.h"

#include "ui/calendar_window.h"
#include "ui/form.h"

namespace memo::ui {

void MonthCalendar::Create(Form& form) {
  unit_ = CalendarWindow::Create(form.Handle(), Design().id, stored_,
                                 [this](const CalendarEvent& event) {
                                   if (event.number == 0 && onDatePicked) onDatePicked();
                                 });
  Adopt(form, unit_ ? unit_->Handle() : nullptr);
}

double MonthCalendar::NumberProperty(int number) const {
  return Unit() ? Unit()->NumberProperty(number) : 0.0;
}

void MonthCalendar::SetNumberProperty(int number, double value) {
  if (Unit()) Unit()->SetNumberProperty(number, value);
}

void MonthCalendar::OnDpiChanged(const Dpi& dpi) {
  if (Unit()) Unit()->SetDpi(dpi);
}

}  // namespace memo::ui
