// A friend's birthday as the program reasons about it, read once from the text the
// birthday table stores ("1980年5月3日", a lunar one with "[闰月]" after a leap month).
//
// A birthday whose year nobody knows is stored as its month and day alone, "5月1日" (lunar
// "12月8日", "4月15日[闰月]"). No such text is a date: a year below 100 is none, and a lunar
// text needs its month after the year. So a copy of the program that knows no year-less
// birthday lists the text as it is and counts nothing for it, and never writes it back.
#pragma once

#include <string>

#include "datetime/date_time.h"

namespace memo {

inline constexpr char kLeapMonthMark[] = "[闰月]";
inline constexpr char kLunarCalendar[] = "农历";
inline constexpr char kSolarCalendar[] = "公历";

enum class CalendarKind { kSolar, kLunar };

struct Birthday {
  CalendarKind calendar = CalendarKind::kSolar;
  // The birth date in its own calendar; all zero when the stored text could not be read.
  int year = 0;  // 0 when the year is not known
  int month = 0;
  int day = 0;
  bool leap = false;  // a lunar leap month
  std::string text;   // exactly as stored, for display

  bool lunar() const { return calendar == CalendarKind::kLunar; }
  // "农历" or "公历".
  const char* calendarName() const { return lunar() ? kLunarCalendar : kSolarCalendar; }
  // False for a text that says no date: such a birthday is listed but never counted.
  bool ok() const { return month != 0; }
  // False for a birthday of month and day alone: it has no age, 生肖 or 虚岁.
  bool hasYear() const { return year != 0; }
};

// Reads a stored text. A solar text is a Gregorian date in any form the date texts take, or a
// month and day alone in those forms ("5月1日", "2月29日"), which read as a birthday without a
// year. A
// lunar one has the same forms with the leap mark anywhere in it, but is read by its numbers:
// any year, month 1..12 and day 1..30, whether or not that day exists in that lunar year
// (which only entering a date checks), since lunar 二月三十 has no Gregorian reading.
Birthday ReadBirthday(std::string storedText, bool lunar);

// "Y年M月D日" of the numbers as they are, without range checks.
std::string DateTextOf(int year, int month, int day);

// The birthday on these numbers, with the text it is stored as: "Y年M月D日", "M月D日" for
// year 0 (no year known), and "[闰月]" after a lunar leap month. A solar birthday never carries the
// leap mark, even when its day was picked in a lunar leap month: with it the text would no longer
// read as a date.
Birthday BirthdayOf(bool lunar, int year, int month, int day, bool leap);

}  // namespace memo
