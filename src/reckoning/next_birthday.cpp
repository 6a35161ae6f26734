#include "reckoning/next_birthday.h"

#include "datetime/date_time.h"
#include "lunar/lunar_texts.h"
#include "reckoning/occurrence.h"

namespace memo {
namespace {

int DaysFromToday(DateTime date, const TodayDates& today) {
  return static_cast<int>(TruncateToInteger(DaysBetween(date, today.solar)));
}

}  // namespace

int OccurrenceYear(const Birthday& birthday, const TodayDates& today) {
  const int currentMonth = birthday.lunar() ? today.lunar.month : today.solarMonth;
  const int year = CurrentYear(today, birthday.lunar());
  return currentMonth > birthday.month ? year + 1 : year;
}

int DaysUntilBirthday(const Birthday& birthday, const TodayDates& today) {
  // Outside the engine's years there is no lunar year to count in.
  if (birthday.lunar() && today.lunar.year == 0) return DaysFromToday(kEmptyDateTime, today);
  return DaysFromToday(OccurrenceIn(birthday, OccurrenceYear(birthday, today)), today);
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
