// The lunar conversions done the plain way, step by step as the calendar rules read: a walk
// through the years and months for solar to lunar, and for lunar to solar a day-by-day search
// of at most 100 rounds that jumps 31 days between a month and its leap twin. The engine
// answers from precomputed tables instead; the tests hold it to these.
#pragma once

#include <cstdint>
#include <optional>
#include <tuple>

#include "datetime/date_time.h"
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

inline std::optional<LunarDate> LiteralLunarFromSolar(DayNumber solar) {
  if (!solar.ok()) return std::nullopt;
  const CivilDate date = solar.civil();
  int n = LiteralDayNumber(date.year, date.month, date.day) - LiteralDayNumber(1901, 1, 1) - 49;
  if (date.year > kLastEnteredLunarYear || n < 0) return std::nullopt;
  int lunarYear = kFirstLunarYear;
  while (n >= LiteralLunarYearDays(lunarYear)) {
    // Past the tables every year counts 0 days and the walk would never end.
    if (LiteralLunarYearDays(lunarYear) == 0) return std::nullopt;
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
  return LunarDate{lunarYear, lunarMonth, 1 + n, isLeap};
}

// `toLunar` converts each guess of the search (LiteralLunarFromSolar, or anything shown to
// give the same results on the guesses the search makes). The first guess is the solar day
// of the same numbers, a day past a month's end counting on into the next month.
template <typename ToLunar>
std::optional<DayNumber> LiteralSolarFromLunar(LunarDate wanted, ToLunar toLunar) {
  if (wanted.year < kFirstLunarYear || wanted.year > kLastLunarYear || wanted.month < 1 ||
      wanted.month > 12) {
    return std::nullopt;
  }
  if (wanted.isLeapMonth && wanted.month != LeapMonthOf(wanted.year)) wanted.isLeapMonth = false;
  DayNumber guess = DayNumber::FromCivil(wanted.year, wanted.month, 1) + (wanted.day - 1);
  LunarDate found;
  auto compare = [&] {
    if (const std::optional<LunarDate> converted = toLunar(guess)) found = *converted;
    const auto key = [](const LunarDate& d) { return std::make_tuple(d.year, d.month, d.day); };
    return key(found) < key(wanted) ? -1 : key(wanted) < key(found) ? 1 : 0;
  };
  int order = compare();
  for (int round = 1; round <= 100; ++round) {
    if (order == 0) {
      if (found.isLeapMonth == wanted.isLeapMonth) return guess;
      guess = guess + (found.isLeapMonth ? -31 : 31);
    }
    guess = guess - order;
    order = compare();
  }
  return std::nullopt;
}

}  // namespace memo::testing
