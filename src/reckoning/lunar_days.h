// Lunar dates by their numbers: whether a day exists, and the solar day a lunar birthday
// falls on in a given lunar year.
#pragma once

#include "datetime/day_number.h"
#include "lunar/lunar_engine.h"

namespace memo {

// True when the engine converts the lunar date without any fallback. A leap flag for a
// month that is not the year's leap month converts the ordinary month, as the engine does.
bool LunarDateExists(int year, int month, int day, bool leap);
// The stricter test of a date being entered: a day of the lunar years up to
// kLastEnteredLunarYear that the tables hold, with the leap flag only on that year's own leap
// month.
bool IsLunarDate(int year, int month, int day, bool leap);
// The solar date of the lunar date or, when that day is missing that year, of the day
// before it; no day when neither converts.
DayNumber LunarToSolar(int year, int month, int day, bool leap);

// The solar day of a lunar date; no day for one that IsLunarDate refuses.
DayNumber SolarDayOf(int year, int month, int day, bool leap);

}  // namespace memo
