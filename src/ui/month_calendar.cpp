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

const LunarMonthCalendar* MonthCalendar::Model() const {
  return Unit() ? &Unit()->Model() : nullptr;
}

void MonthCalendar::SelectDay(DayNumber day) {
  if (Unit()) Unit()->Change([day](LunarMonthCalendar& model) { model.SelectDay(day, true); });
}

void MonthCalendar::SetSolarMode(bool solar) {
  if (Unit()) Unit()->Change([solar](LunarMonthCalendar& model) { model.SetSolarMode(solar); });
}

void MonthCalendar::OnDpiChanged(const Dpi& dpi) {
  if (Unit()) Unit()->SetDpi(dpi);
}

}  // namespace memo::ui
