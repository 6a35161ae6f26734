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
  return TodayDates{day, LunarFromSolar(DayNumberOf(day))};
}

std::string LunarDateText(const std::optional<LunarDate>& date) {
  if (!date) return DateToText(kMinDateTime);
  return DateTextOf(date->year, date->month, date->day);
}

int CurrentYear(const TodayDates& today, bool lunar) {
  if (!lunar) return today.solarYear;
  return today.lunar ? today.lunar->year : YearOf(kMinDateTime);
}

}  // namespace memo
