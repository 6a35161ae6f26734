#include "reckoning/next_birthday.h"

#include "datetime/date_time.h"
#include "datetime/gbk_text.h"
#include "reckoning/lunar_carrier.h"

namespace memo {
namespace {

int DaysFromToday(DateTime date) {
  return static_cast<int>(TruncateToInteger(DaysBetween(date, Today())));
}

// The year of the next occurrence: this one unless its month is already past.
int OccurrenceYear(int year, int currentMonth, int month) {
  return currentMonth > month ? year + 1 : year;
}

int SolarDays(const std::string& text) {
  const DateTime birthday = DateFromText(text);
  const int month = MonthOf(birthday), day = DayOf(birthday);
  const DateTime now = Now();
  const int year = OccurrenceYear(YearOf(now), MonthOf(now), month);
  int days = DaysFromToday(DateFromText(DateTextOf(year, month, day)));
  // Below -365 only when the date is missing that year (MinDateTime): step back a day
  // at a time. Day 28 exists in every month, unless the year itself is out of range.
  for (int back = 1; days < -365 && day - back >= 1; ++back) {
    days = DaysFromToday(DateFromText(DateTextOf(year, month, day - back)));
  }
  return days;
}

int LunarDays(const std::string& text) {
  const bool leap = FindText(text, kLeapMonthMark) != -1;
  const DateTime birthday = DateFromText(ReplaceText(text, kLeapMonthMark, ""));
  const int month = MonthOf(birthday), day = DayOf(birthday);
  // Counted from the lunar numbers rather than through carriers: lunar 2月29日 exists in
  // every lunar year but has a carrier only in Gregorian leap years, and a birthday or a
  // today on that day must still count. Wherever the carriers exist the result is theirs.
  const LunarDate today = TodayLunarDate();
  if (today.year == 0) return DaysFromToday(EmptyDateTime);
  const int year = OccurrenceYear(today.year, today.month, month);
  return DaysFromToday(LunarToSolar(year, month, day, leap));
}

}  // namespace

int DaysUntilBirthday(const std::string& birthdayText, bool lunar) {
  return lunar ? LunarDays(birthdayText) : SolarDays(birthdayText);
}

std::string NextBirthdayText(const std::string& birthdayText) {
  const bool leap = FindText(birthdayText, kLeapMonthMark) != -1;
  const DateTime birthday =
      DateFromText(leap ? ReplaceText(birthdayText, kLeapMonthMark, "") : birthdayText);
  return NumberToText(MonthOf(birthday)) + "月" + NumberToText(DayOf(birthday)) +
         (leap ? "日[闰月]" : "日");
}

std::string CountdownText(int days) {
  if (days == 0) return "今天生日";
  if (days == 1) return "明天生日";
  return "还有" + NumberToText(days) + "天过生日";
}

}  // namespace memo
