// The lunar conversions done the plain way, step by step as the calendar rules read: a walk
// through the years and months for solar to lunar, and for lunar to solar a day-by-day search
// of at most 100 rounds that jumps 31 days between a month and its leap twin. The engine
// answers from precomputed tables instead; the tests hold it to these.
#pragma once

#include <cstdint>

#include "lunar/lunar_engine.h"

namespace memo::testing {

// Day count from a fixed origin, with cumulative month lengths and the day not checked.
inline int LiteralDayNumber(int year, int month, int day) {
  static constexpr int kDaysBefore[12] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
  const int before = year - 1;
  const int leapDay = IsGregorianLeapYear(year) && month > 2 ? 1 : 0;
  return 365 * before + before / 4 - before / 100 + before / 400 + kDaysBefore[month - 1] +
         leapDay + day;
}

inline int LiteralLunarYearDays(int lunarYear) {
  int days = 0;
  for (int month = 1; month <= 12; ++month) {
    const auto [ordinary, leap] = LunarMonthLengths(lunarYear, month);
    days += ordinary + leap;
  }
  return days;
}

inline bool LiteralLunarFromSolar(uint16_t year, uint16_t month, uint16_t day, LunarDate& out) {
  if (month == 0 || month > 12 || year >= 2049 || CompareYmd(year, month, day, 1901, 2, 19) < 0) {
    return false;
  }
  int n = LiteralDayNumber(year, month, day) - LiteralDayNumber(1901, 1, 1) - 49;
  int lunarYear = 1901;
  while (n >= LiteralLunarYearDays(lunarYear)) {
    // Past the tables every year counts 0 days and the walk would never end.
    if (LiteralLunarYearDays(lunarYear) == 0) return false;
    n -= LiteralLunarYearDays(lunarYear);
    ++lunarYear;
  }
  int lunarMonth = 1;
  bool isLeap = false;
  for (;;) {
    const auto [ordinary, leap] = LunarMonthLengths(lunarYear, lunarMonth);
    if (n < ordinary) break;
    n -= ordinary;
    if (lunarMonth == LeapMonthOf(lunarYear)) {
      if (n < leap) {
        isLeap = true;
        break;
      }
      n -= leap;
    }
    ++lunarMonth;
  }
  out.year = static_cast<uint16_t>(lunarYear);
  out.month = static_cast<uint16_t>(lunarMonth);
  out.day = static_cast<uint16_t>(1 + n);
  out.isLeapMonth = isLeap;
  return true;
}

// `toLunar` converts each guess of the search (LiteralLunarFromSolar, or anything shown to
// give the same results on the guesses the search makes).
template <typename ToLunar>
bool LiteralSolarFromLunar(uint16_t year, uint16_t month, uint16_t day, bool isLeapMonth,
                           SolarDate& out, ToLunar toLunar) {
  if (year < 1901 || year > 2049 || month < 1 || month > 12) return false;
  if (isLeapMonth && month != LeapMonthOf(year)) isLeapMonth = false;
  SolarDate guess{year, month, day};
  LunarDate found;
  auto compare = [&] {
    LunarDate converted;
    if (toLunar(guess.year, guess.month, guess.day, converted)) found = converted;
    return CompareYmd(found.year, found.month, found.day, year, month, day);
  };
  int order = compare();
  for (int round = 1; round <= 100; ++round) {
    if (order == 0) {
      if (found.isLeapMonth == isLeapMonth) {
        out = guess;
        return true;
      }
      StepSolarDays(guess.year, guess.month, guess.day, found.isLeapMonth ? -31 : 31);
    }
    StepSolarDays(guess.year, guess.month, guess.day, -order);
    order = compare();
  }
  return false;
}

}  // namespace memo::testing
