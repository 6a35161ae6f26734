// Conversion between solar (Gregorian) dates and Chinese lunar dates for lunar years
// 1901..2049 (solar 1901-02-19 .. 2048-12-31), driven by two constant tables.
#pragma once

#include <cstdint>
#include <utility>

#include "datetime/date_time.h"

namespace memo {

struct LunarDate {
  uint16_t year = 0;
  uint16_t month = 0;
  uint16_t day = 0;
  bool isLeapMonth = false;
};

struct SolarDate {
  uint16_t year = 0;
  uint16_t month = 0;
  uint16_t day = 0;
};

int CompareYmd(uint16_t y1, uint16_t m1, uint16_t d1, uint16_t y2, uint16_t m2, uint16_t d2);
void StepSolarDays(uint16_t& year, uint16_t& month, uint16_t& day, int n);

uint16_t LeapMonthOf(int lunarYear);  // 0..12, or 0xFFFF outside 1901..2049
std::pair<int, int> LunarMonthLengths(int lunarYear, int month);  // (ordinary, leap)
int LunarMonthDays(int lunarYear, int month, bool isLeapMonth);
int LunarYearDays(int lunarYear);

bool LunarFromSolar(uint16_t year, uint16_t month, uint16_t day, LunarDate& out);
bool SolarFromLunar(uint16_t year, uint16_t month, uint16_t day, bool isLeapMonth, SolarDate& out);

// The two commands the application calls. Outputs are untouched on failure.
bool ConvertSolarToLunar(DateTime solar, int& year, int& month, int& day, bool& isLeapMonth);
bool ConvertLunarToSolar(int year, int month, int day, int isLeapMonth, DateTime& solar);

}  // namespace memo
