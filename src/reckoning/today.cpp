#include "reckoning/today.h"

#include "reckoning/birthday.h"
#include "reckoning/lunar_days.h"

namespace memo {

DateTime Today() {
  return DatePart(Now());
}

TodayDates TodayNow() {
  return DayOfMoment(Now());
}

TodayDates DayOfMoment(DateTime moment) {
  const DateTime day = DatePart(moment);
  return TodayDates{day, LunarDayOf(day).value_or(LunarDate{})};
}

std::string LunarDateText(const LunarDate& date) {
  if (date.year == 0) return DateToText(MinDateTime);
  return DateTextOf(date.year, date.month, date.day);
}

int CurrentYear(const TodayDates& today, bool lunar) {
  if (!lunar) return today.solarYear;
  return today.lunar.year == 0 ? YearOf(MinDateTime) : today.lunar.year;
}

}  // namespace memo
