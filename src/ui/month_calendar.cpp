#include "ui/month_calendar.h"

#include "ui/calendar_window.h"

namespace memo::ui {

bool MonthCalendar::Create(const CreateArgs& args) {
  unit_ = CalendarWindow::Create(args.host->Handle(), args.id, stored_,
                                 [this](const CalendarNotice& notice) {
                                   if (notice.event == CalendarEvent::kDayPicked && onDatePicked) {
                                     onDatePicked();
                                   }
                                 });
  return Adopt(args, unit_ ? unit_->Handle() : nullptr);
}

double MonthCalendar::NumberProperty(CalendarProperty property) const {
  return Unit() ? Unit()->NumberProperty(property) : 0.0;
}

void MonthCalendar::SetNumberProperty(CalendarProperty property, double value) {
  if (Unit()) Unit()->SetNumberProperty(property, value);
}

void MonthCalendar::OnDpiChanged(const Dpi& dpi) {
  if (Unit()) Unit()->SetDpi(dpi);
}

}  // namespace memo::ui
