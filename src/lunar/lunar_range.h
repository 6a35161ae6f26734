// The years and days the lunar tables cover, named once for every part that checks them.
#pragma once

#include "datetime/day_number.h"

namespace memo {

inline constexpr int kFirstLunarYear = 1901;
inline constexpr int kLastLunarYear = 2049;
// The solar days that convert: lunar 1901-01-01 to the last day of 2048. Lunar 2049 is in
// the tables only to end 2048, so no day of it converts and no date of it can be entered.
inline constexpr DayNumber kFirstLunarDay = DayNumber::FromCivil(1901, 2, 19);
inline constexpr DayNumber kLastLunarDay = DayNumber::FromCivil(2048, 12, 31);
inline constexpr int kLastEnteredLunarYear = kLastLunarYear - 1;

}  // namespace memo
