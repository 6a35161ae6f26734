#include "reckoning/next_birthday.h"

#include "datetime/date_time.h"
#include "datetime/gbk_text.h"
#include "reckoning/occurrence.h"

namespace memo {
namespace {

int DaysFromToday(DateTime date, const TodayDates& today) {
  return static_cast<int>(TruncateToInteger(DaysBetween(date, today.solar)));
}

// The year of the next occurrence: this one unless its month is already past.
int OccurrenceYear(int year, int currentMonth, int month) {
  return currentMonth > month ? year + 1 : year;
}

// Counted from the lunar numbers rather than through carriers: lunar 2月29日 exists in
// every lunar year but has a carrier only in Gregorian leap years, and a birthday or a
// today on that day must still count.
int DaysUntil(int month, int day, bool leap, bool lunar, const TodayDates& today) {
  if (lunar && today.lunar.year == 0) return DaysFromToday(EmptyDateTime, today);
  const int year = lunar ? OccurrenceYear(today.lunar.year, today.lunar.month, month)
                         : OccurrenceYear(today.solarYear, today.solarMonth, month);
  return DaysFromToday(OccurrenceIn(year, month, day, leap, lunar), today);
}

std::string MonthDayText(int month, int day, bool leap) {
  return NumberToText(month) + "月" + NumberToText(day) + (leap ? "日[闰月]" : "日");
}

// The date of a stored text, the leap mark taken out where `leap` says it is there.
DateTime DateOfText(const std::string& text, bool leap) {
  return DateFromText(leap ? ReplaceText(text, kLeapMonthMark, "") : text);
}

}  // namespace

int DaysUntilBirthday(const Birthday& birthday, const TodayDates& today) {
  return DaysUntil(birthday.month, birthday.day, birthday.leap, birthday.lunar(), today);
}

int DaysUntilBirthday(const std::string& birthdayText, bool lunar) {
  const bool leap = lunar && FindText(birthdayText, kLeapMonthMark) != -1;
  const DateTime date = DateOfText(birthdayText, leap);
  return DaysUntil(MonthOf(date), DayOf(date), leap, lunar, TodayNow());
}

std::string NextBirthdayText(const Birthday& birthday) {
  return MonthDayText(birthday.month, birthday.day, birthday.leap);
}

std::string NextBirthdayText(const std::string& birthdayText) {
  const bool leap = FindText(birthdayText, kLeapMonthMark) != -1;
  const DateTime date = DateOfText(birthdayText, leap);
  return MonthDayText(MonthOf(date), DayOf(date), leap);
}

std::string CountdownText(int days) {
  if (days == 0) return "今天生日";
  if (days == 1) return "明天生日";
  return "还有" + NumberToText(days) + "天过生日";
}

}  // namespace memo
