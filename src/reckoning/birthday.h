// A friend's birthday as the program reasons about it, read once from the text the
// birthday table stores ("1980年5月3日", a lunar one with "[闰月]" after a leap month).
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
  int year = 0;
  int month = 0;
  int day = 0;
  bool leap = false;  // a lunar leap month
  std::string text;   // exactly as stored, for display

  bool lunar() const { return calendar == CalendarKind::kLunar; }
  // "农历" or "公历".
  const char* calendarName() const { return lunar() ? kLunarCalendar : kSolarCalendar; }
  // False for a text that says no date: such a birthday is listed but never counted.
  bool ok() const { return month != 0; }
};

// Reads a stored text. A solar text is a Gregorian date in any form the date texts take;
// a lunar one is the same with the leap mark anywhere in it.
Birthday ReadBirthday(std::string storedText, bool lunar);

// The text a birthday is stored as: "Y年M月D日", "[闰月]" after a lunar leap month.
std::string BirthdayText(int year, int month, int day, bool lunar, bool leap);

// The birthday on the day of a date (the birth date, or in lunar mode the lunar carrier),
// with its stored text. A solar birthday never carries the leap mark, even when the date
// was picked in a day of a lunar leap month: with it the text would no longer read as a date.
Birthday BirthdayOn(DateTime date, bool lunar, bool leap);

}  // namespace memo
