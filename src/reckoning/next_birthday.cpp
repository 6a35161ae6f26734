#include "reckoning/next_birthday.h"

#include "datetime/date_time.h"
#include "reckoning/lunar_days.h"

namespace memo {
namespace {

int DaysFromToday(DateTime date, const TodayDates& today) {
  return static_cast<int>(TruncateToInteger(DaysBetween(date, today.solar)));
}

int SolarDays(const Birthday& birthday, int year, const TodayDates& today) {
  // A day the month lacks that year counts on the last day before it that it has. Day 28
  // exists in every month, unless the year itself is out of range.
  int existing = birthday.day;
  while (existing >= 1 && !IsSolarDate(year, birthday.month, existing)) --existing;
  return DaysFromToday(existing >= 1 ? MakeDateTime(year, birthday.month, existing) : MinDateTime,
                       today);
}

int LunarDays(const Birthday& birthday, int year, const TodayDates& today) {
  if (today.lunar.year == 0) return DaysFromToday(EmptyDateTime, today);
  return DaysFromToday(LunarToSolar(year, birthday.month, birthday.day, birthday.leap), today);
}

}  // namespace

int OccurrenceYear(const Birthday& birthday, const TodayDates& today) {
  const int currentMonth = birthday.lunar() ? today.lunar.month : today.solarMonth;
  const int year = CurrentYear(today, birthday.lunar());
  return currentMonth > birthday.month ? year + 1 : year;
}

int DaysUntilBirthday(const Birthday& birthday, const TodayDates& today) {
  const int year = OccurrenceYear(birthday, today);
  return birthday.lunar() ? LunarDays(birthday, year, today) : SolarDays(birthday, year, today);
}

std::string NextBirthdayText(const Birthday& birthday) {
  return NumberToText(birthday.month) + "月" + NumberToText(birthday.day) +
         (birthday.leap ? "日[闰月]" : "日");
}

std::string CountdownText(int days) {
  if (days == 0) return "今天生日";
  if (days == 1) return "明天生日";
  return "还有" + NumberToText(days) + "天过生日";
}

}  // namespace memo
