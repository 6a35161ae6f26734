// Today's date, and the day of a moment, in both calendars.
#pragma once

#include <optional>
#include <string>

#include "datetime/date_time.h"
#include "lunar/lunar_engine.h"

namespace memo {

DateTime Today();

// Today in both calendars, read from the clock once, so that a whole pass over the friends
// counts from one day even when midnight passes meanwhile. The lunar date is the engine's
// numbers themselves, so that days such as lunar 二月三十, which no Gregorian date text can
// carry, count like any other.
struct TodayDates {
  TodayDates(DateTime date, std::optional<LunarDate> lunarDate)
      : solar(date), lunar(lunarDate), solarYear(YearOf(date)), solarMonth(MonthOf(date)) {}

  DateTime solar;                  // the date, without the time of day
  std::optional<LunarDate> lunar;  // nothing outside the engine's range
  int solarYear, solarMonth;       // of `solar`, taken apart once for every count from it
};
TodayDates TodayNow();
// The day of this moment in both calendars.
TodayDates DayOfMoment(DateTime moment);
// The lunar date as "Y年M月D日"; "100年1月1日" outside the engine's range.
std::string LunarDateText(const std::optional<LunarDate>& date);
// The current year number of a calendar; 100 for the lunar one outside the engine's range.
int CurrentYear(const TodayDates& today, bool lunar);

}  // namespace memo
