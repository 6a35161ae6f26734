#include "reckoning/next_birthday.h"

#include "datetime/date_time.h"
#include "lunar/date_names.h"
#include "reckoning/occurrence.h"

namespace memo {
namespace {

int DaysFromToday(DayNumber day, const TodayDates& today) {
  return static_cast<int>(day - DayNumberOf(today.solar));
}

}  // namespace

int OccurrenceYear(const Birthday& birthday, const TodayDates& today) {
  // Outside the engine's years the lunar month counts as none yet.
  const int currentMonth =
      birthday.lunar() ? (today.lunar ? today.lunar->month : 0) : today.solarMonth;
  const int year = CurrentYear(today, birthday.lunar());
  return currentMonth > birthday.month ? year + 1 : year;
}

std::optional<int> DaysUntilBirthday(const Birthday& birthday, const TodayDates& today) {
  // Outside the engine's years there is no lunar year to count in.
  if (birthday.lunar() && !today.lunar) return std::nullopt;
  const DayNumber day = OccurrenceIn(birthday, OccurrenceYear(birthday, today));
  if (!day.ok()) return std::nullopt;
  return DaysFromToday(day, today);
}

std::string NextBirthdayText(const Birthday& birthday) {
  return NumberToText(birthday.month) + "月" + NumberToText(birthday.day) +
         (birthday.leap ? "日[闰月]" : "日");
}

std::string OccurrenceText(const Birthday& birthday, DateTime solarDay) {
  if (!birthday.lunar()) return NextBirthdayText(birthday);
  return LunarMonthName(birthday.month, birthday.leap) + LunarDayName(birthday.day) + "（" +
         NumberToText(MonthOf(solarDay)) + "月" + NumberToText(DayOf(solarDay)) + "日）";
}

std::string CountdownText(int days) {
  if (days == 0) return "今天生日";
  if (days == 1) return "明天生日";
  return "还有" + NumberToText(days) + "天过生日";
}

}  // namespace memo
