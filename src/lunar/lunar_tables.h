// The lunar calendar of 1901..2049 as constant tables: the two compact tables that define
// it, and an index over every lunar month derived from them at compile time, so that a
// conversion is a handful of lookups instead of a walk through the years.
#pragma once

#include <array>
#include <cstdint>

#include "lunar/lunar_range.h"

namespace memo {

// The tables hold one year more than is read, so that the nibbles pair up evenly.
constexpr int kTableYears = kLastLunarYear - kFirstLunarYear + 2;

// One word per lunar year from 1901. The months in calendar order, the leap month where it
// falls, take the bits from bit 15 downward: set for a 30-day month, clear for 29 days.
// clang-format off
inline constexpr std::array<uint16_t, kTableYears> LunarMonthBits = {
    // 1901..1910
    0x4AE0, 0xA570, 0x5268, 0xD260, 0xD950, 0x6AA8, 0x56A0, 0x9AD0, 0x4AE8, 0x4AE0,
    // 1911..1920. 1914: the Hong Kong Observatory tables give the 9th month 29 days and the
    // 10th month 30, so that the 10th month begins on 1914-11-17 (the word long circulated
    // as D548 has them the other way round).
    0xA4D8, 0xA4D0, 0xD250, 0xD528, 0xB540, 0xD6A0, 0x96D0, 0x95B0, 0x49B8, 0x4970,
    // 1921..1930
    0xA4B0, 0xB258, 0x6A50, 0x6D40, 0xADA8, 0x2B60, 0x9570, 0x4978, 0x4970, 0x64B0,
    // 1931..1940
    0xD4A0, 0xEA50, 0x6D48, 0x5AD0, 0x2B60, 0x9370, 0x92E0, 0xC968, 0xC950, 0xD4A0,
    // 1941..1950
    0xDA50, 0xB550, 0x56A0, 0xAAD8, 0x25D0, 0x92D0, 0xC958, 0xA950, 0xB4A8, 0x6CA0,
    // 1951..1960
    0xB550, 0x55A8, 0x4DA0, 0xA5B0, 0x52B8, 0x52B0, 0xA950, 0xE950, 0x6AA0, 0xAD50,
    // 1961..1970
    0xAB50, 0x4B60, 0xA570, 0xA570, 0x5260, 0xE930, 0xD950, 0x5AA8, 0x56A0, 0x96D0,
    // 1971..1980
    0x4AE8, 0x4AD0, 0xA4D0, 0xD268, 0xD250, 0xD528, 0xB540, 0xB6A0, 0x96D0, 0x95B0,
    // 1981..1990
    0x49B0, 0xA4B8, 0xA4B0, 0xB258, 0x6A50, 0x6D40, 0xADA0, 0xAB60, 0x9570, 0x4978,
    // 1991..2000
    0x4970, 0x64B0, 0x6A50, 0xEA50, 0x6B28, 0x5AC0, 0xAB60, 0x9368, 0x92E0, 0xC960,
    // 2001..2010
    0xD4A8, 0xD4A0, 0xDA50, 0x5AA8, 0x56A0, 0xAAD8, 0x25D0, 0x92D0, 0xC958, 0xA950,
    // 2011..2020
    0xB4A0, 0xB550, 0xAD50, 0x55A8, 0x4BA0, 0xA5B0, 0x52B8, 0x52B0, 0xA930, 0x74A8,
    // 2021..2030
    0x6AA0, 0xAD50, 0x4DA8, 0x4B60, 0xA570, 0xA4E0, 0xD260, 0xE930, 0xD530, 0x5AA0,
    // 2031..2040
    0x6B50, 0x96D0, 0x4AE8, 0x4AD0, 0xA4D0, 0xD258, 0xD250, 0xD520, 0xDAA0, 0xB5A0,
    // 2041..2050
    0x56D0, 0x4AD8, 0x49B0, 0xA4B8, 0xA4B0, 0xAA50, 0xB528, 0x6D20, 0xADA0, 0x55B0,
};

// Per lunar year from 1901, a nibble: the month that a leap month follows, 0 for none.
// Two years to a byte, the earlier year in the high nibble.
inline constexpr std::array<uint8_t, kTableYears / 2> LeapMonthTable = {
    // 1901..1920
    0x00, 0x50, 0x04, 0x00, 0x20, 0x60, 0x05, 0x00, 0x20, 0x70,
    // 1921..1940
    0x05, 0x00, 0x40, 0x02, 0x06, 0x00, 0x50, 0x03, 0x07, 0x00,
    // 1941..1960
    0x60, 0x04, 0x00, 0x20, 0x70, 0x05, 0x00, 0x30, 0x80, 0x06,
    // 1961..1980
    0x00, 0x40, 0x03, 0x07, 0x00, 0x50, 0x04, 0x08, 0x00, 0x60,
    // 1981..2000
    0x04, 0x0A, 0x00, 0x60, 0x05, 0x00, 0x30, 0x80, 0x05, 0x00,
    // 2001..2020
    0x40, 0x02, 0x07, 0x00, 0x50, 0x04, 0x09, 0x00, 0x60, 0x04,
    // 2021..2040
    0x00, 0x20, 0x60, 0x05, 0x00, 0x30, 0xB0, 0x06, 0x00, 0x50,
    // 2041..2050
    0x02, 0x07, 0x00, 0x50, 0x03,
};
// clang-format on

namespace lunar_tables {

constexpr int LeapMonthNibble(int year) {
  const int index = year - kFirstLunarYear;
  const int packed = LeapMonthTable[index / 2];
  return index % 2 == 0 ? packed >> 4 : packed & 0xF;
}

constexpr int MonthsInYear(int year) {
  return LeapMonthNibble(year) != 0 ? 13 : 12;
}

// Months of a year are slots 0..11 (or 0..12), slot s taking bit 15 - s of the year's word.
constexpr int SlotDays(int year, int slot) {
  return (LunarMonthBits[year - kFirstLunarYear] >> (15 - slot)) & 1 ? 30 : 29;
}

constexpr int CountMonths() {
  int count = 0;
  for (int year = kFirstLunarYear; year <= kLastLunarYear; ++year) count += MonthsInYear(year);
  return count;
}

constexpr int CountDays() {
  int count = 0;
  for (int year = kFirstLunarYear; year <= kLastLunarYear; ++year) {
    for (int slot = 0; slot < MonthsInYear(year); ++slot) count += SlotDays(year, slot);
  }
  return count;
}

}  // namespace lunar_tables

// Every lunar month of 1901..2049 numbered in order, leap months included, and days
// counted from lunar 1901-01-01 (solar 1901-02-19).
constexpr int kLunarMonthCount = lunar_tables::CountMonths();
constexpr int kLunarDayCount = lunar_tables::CountDays();
// A day number shifted right by this finds its month within two steps: a 32-day stretch
// holds at most two month starts after its first day's month.
constexpr int kLunarChunkShift = 5;

struct LunarMonthIndex {
  // First day of each month; the extra last entry is kLunarDayCount.
  std::array<uint16_t, kLunarMonthCount + 1> start{};
  // (year - 1901) << 5 | month << 1 | leap flag.
  std::array<uint16_t, kLunarMonthCount> name{};
  // The month number (in the order above) of the 1st month of each year; the extra last
  // entry is kLunarMonthCount.
  std::array<uint16_t, kLastLunarYear - kFirstLunarYear + 2> firstOfYear{};
  // The month in which day chunk << kLunarChunkShift lies.
  std::array<uint16_t, (kLunarDayCount >> kLunarChunkShift) + 1> atChunk{};
};

namespace lunar_tables {

constexpr LunarMonthIndex BuildMonthIndex() {
  LunarMonthIndex index;
  int month = 0;
  int day = 0;
  for (int year = kFirstLunarYear; year <= kLastLunarYear; ++year) {
    index.firstOfYear[year - kFirstLunarYear] = static_cast<uint16_t>(month);
    const int leapAfter = LeapMonthNibble(year);
    for (int slot = 0; slot < MonthsInYear(year); ++slot) {
      const bool isLeap = leapAfter != 0 && slot == leapAfter;
      const int number = leapAfter != 0 && slot >= leapAfter ? slot : slot + 1;
      index.start[month] = static_cast<uint16_t>(day);
      index.name[month] =
          static_cast<uint16_t>((year - kFirstLunarYear) << 5 | number << 1 | (isLeap ? 1 : 0));
      for (int chunk = (day + 31) >> kLunarChunkShift;
           chunk < static_cast<int>(index.atChunk.size()) &&
           chunk << kLunarChunkShift < day + SlotDays(year, slot);
           ++chunk) {
        index.atChunk[chunk] = static_cast<uint16_t>(month);
      }
      day += SlotDays(year, slot);
      ++month;
    }
  }
  index.firstOfYear[kLastLunarYear - kFirstLunarYear + 1] = static_cast<uint16_t>(month);
  index.start[month] = static_cast<uint16_t>(day);
  return index;
}

}  // namespace lunar_tables

inline constexpr LunarMonthIndex kLunarMonthIndex = lunar_tables::BuildMonthIndex();

}  // namespace memo
