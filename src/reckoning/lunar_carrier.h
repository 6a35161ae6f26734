// Today's date, and lunar dates carried in a DateTime: the lunar year, month and day
// written as if they were a Gregorian date, the leap-month mark kept beside the value.
// A lunar date whose month and day make no Gregorian date in a year of the same number
// (lunar 2月30日, or 2月29日 in most years) has no carrier and reads as MinDateTime.
#pragma once

#include <string>

#include "datetime/date_time.h"
#include "lunar/lunar_engine.h"

namespace memo {

// "Y年M月D日" without range checks; DateFromText of it decides whether the date exists.
std::string DateTextOf(int year, int month, int day);

DateTime Today();
// Today's lunar date itself, which exists also on the days that have no carrier (lunar
// 2月29日 in a year whose number is not a Gregorian leap year); all zero outside the
// engine's range. The reckoning counts from it so that such days count like any other.
LunarDate TodayLunarDate();

// Today in both calendars, read from the clock once, so that a whole pass over the friends
// counts from one day even when midnight passes meanwhile.
struct TodayDates {
  TodayDates(DateTime date, LunarDate lunarDate)
      : solar(date), lunar(lunarDate), solarYear(YearOf(date)), solarMonth(MonthOf(date)) {}

  DateTime solar;             // the date, without the time of day
  LunarDate lunar;            // all zero outside the engine's range
  int solarYear, solarMonth;  // of `solar`, taken apart once for every count from it
};
TodayDates TodayNow();
// The day of this moment in both calendars.
TodayDates DayOfMoment(DateTime moment);
// The lunar date as "Y年M月D日"; "100年1月1日" outside the engine's range.
std::string LunarDateText(const LunarDate& date);
// The current year number of a calendar; 100 for the lunar one outside the engine's range.
int CurrentYear(const TodayDates& today, bool lunar);
// True when the lunar date converts without any fallback. A leap flag for a month that
// is not the year's leap month converts the ordinary month, as the engine does.
bool LunarDateExists(DateTime carrier, bool leap);
bool LunarDateExists(int year, int month, int day, bool leap);
// The solar date of the lunar date or, when that day is missing this year, of the day
// before it; EmptyDateTime when neither converts.
DateTime LunarToSolar(DateTime carrier, bool leap);
// The same from the lunar numbers, for dates that have no carrier in that year.
DateTime LunarToSolar(int year, int month, int day, bool leap);

}  // namespace memo
