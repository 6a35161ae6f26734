// Conversion between solar (Gregorian) days and Chinese lunar dates over the range of
// lunar_range.h, driven by two constant tables: one function each way.
#pragma once

#include <optional>
#include <utility>

#include "datetime/day_number.h"
#include "lunar/lunar_range.h"

namespace memo {

struct LunarDate {
  int year = 0;
  int month = 0;
  int day = 0;
  bool isLeapMonth = false;
};

// The month a year's leap month follows, 0 when the year has none; nothing outside the
// tables' years.
std::optional<int> LeapMonthOf(int lunarYear);
std::pair<int, int> LunarMonthLengths(int lunarYear, int month);  // (ordinary, leap)
int LunarMonthDays(int lunarYear, int month, bool isLeapMonth);
int LunarYearDays(int lunarYear);

// Nothing outside kFirstLunarDay .. kLastLunarDay.
std::optional<LunarDate> LunarFromSolar(DayNumber day);
// Nothing for a day the month lacks or a day past kLastLunarDay. A leap month the year does
// not have is taken as the ordinary month of that number.
std::optional<DayNumber> SolarFromLunar(const LunarDate& date);

}  // namespace memo
