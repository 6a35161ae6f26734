#include "lunar/lunar_engine.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "engine_date_text.h"

namespace memo {
namespace {

using testing::Text;

// "" when the conversion fails.
std::string LunarOf(uint16_t year, uint16_t month, uint16_t day) {
  LunarDate date;
  return LunarFromSolar(year, month, day, date) ? Text(date) : "";
}

std::string SolarOf(uint16_t year, uint16_t month, uint16_t day, bool leap = false) {
  SolarDate date;
  return SolarFromLunar(year, month, day, leap, date) ? Text(date) : "";
}

std::string Stepped(uint16_t year, uint16_t month, uint16_t day, int n) {
  StepSolarDays(year, month, day, n);
  return Text(SolarDate{year, month, day});
}

TEST(SolarCalendar, CompareYmdOrdersYearThenMonthThenDay) {
  EXPECT_EQ(CompareYmd(2024, 1, 1, 2023, 12, 31), 1);
  EXPECT_EQ(CompareYmd(2023, 2, 1, 2023, 1, 31), 1);
  EXPECT_EQ(CompareYmd(2023, 1, 2, 2023, 1, 1), 1);
  EXPECT_EQ(CompareYmd(2023, 1, 1, 2023, 1, 2), -1);
  EXPECT_EQ(CompareYmd(2023, 1, 31, 2023, 2, 1), -1);
  EXPECT_EQ(CompareYmd(2023, 5, 5, 2023, 5, 5), 0);
  EXPECT_EQ(CompareYmd(2023, 1, 65535, 2023, 1, 1), 1);  // unsigned
}

TEST(SolarCalendar, StepSolarDaysMovesOneDayAtATime) {
  EXPECT_EQ(Stepped(2023, 12, 31, 1), "2024-1-1");
  EXPECT_EQ(Stepped(2024, 2, 28, 1), "2024-2-29");
  EXPECT_EQ(Stepped(2023, 2, 28, 1), "2023-3-1");
  EXPECT_EQ(Stepped(2024, 1, 1, -1), "2023-12-31");
  EXPECT_EQ(Stepped(2024, 3, 1, -1), "2024-2-29");
  EXPECT_EQ(Stepped(2023, 3, 22, 31), "2023-4-22");
  EXPECT_EQ(Stepped(2023, 4, 22, -31), "2023-3-22");
  EXPECT_EQ(Stepped(2023, 5, 5, 0), "2023-5-5");
  EXPECT_EQ(Stepped(2000, 1, 1, 366), "2001-1-1");
  // A day past the month's end steps to the 1st of the next month.
  EXPECT_EQ(Stepped(2023, 4, 31, 1), "2023-5-1");
  EXPECT_EQ(Stepped(2023, 4, 31, -1), "2023-4-30");
  // Day or month 0 never wraps round the 16-bit range.
  EXPECT_EQ(Stepped(2024, 1, 0, -1), "2023-12-31");
  EXPECT_EQ(Stepped(2024, 0, 1, -1), "2023-12-31");
}

TEST(LunarTables, LeapMonthOf) {
  EXPECT_EQ(LeapMonthOf(1901), 0);
  EXPECT_EQ(LeapMonthOf(1903), 5);
  EXPECT_EQ(LeapMonthOf(1984), 10);
  EXPECT_EQ(LeapMonthOf(2023), 2);
  EXPECT_EQ(LeapMonthOf(2024), 0);
  EXPECT_EQ(LeapMonthOf(2033), 11);
  EXPECT_EQ(LeapMonthOf(2047), 5);
  EXPECT_EQ(LeapMonthOf(2049), 0);
  EXPECT_EQ(LeapMonthOf(1900), 0xFFFF);
  EXPECT_EQ(LeapMonthOf(2050), 0xFFFF);
  int leapYears = 0;
  for (int year = 1901; year <= 2049; ++year) leapYears += LeapMonthOf(year) != 0;
  EXPECT_EQ(leapYears, 54);
}

TEST(LunarTables, MonthLengths) {
  auto ordinaryLengths = [](int year) {
    std::vector<int> lengths;
    for (int month = 1; month <= 12; ++month)
      lengths.push_back(LunarMonthLengths(year, month).first);
    return lengths;
  };
  EXPECT_EQ(ordinaryLengths(1901),
            (std::vector<int>{29, 30, 29, 29, 30, 29, 30, 29, 30, 30, 30, 29}));
  EXPECT_EQ(ordinaryLengths(1903),
            (std::vector<int>{29, 30, 29, 30, 29, 30, 29, 29, 30, 30, 29, 30}));
  EXPECT_EQ(LunarMonthLengths(1903, 5), std::make_pair(29, 29));
  EXPECT_EQ(LunarMonthLengths(1903, 4), std::make_pair(30, 0));
  EXPECT_EQ(LunarMonthLengths(2023, 2), std::make_pair(30, 29));
  // 1914: the 9th month short, the 10th long.
  EXPECT_EQ(LunarMonthLengths(1914, 9), std::make_pair(29, 0));
  EXPECT_EQ(LunarMonthLengths(1914, 10), std::make_pair(30, 0));
  EXPECT_EQ(LunarMonthLengths(1900, 1), std::make_pair(0, 0));
  EXPECT_EQ(LunarMonthLengths(2050, 1), std::make_pair(0, 0));
  EXPECT_EQ(LunarMonthLengths(2023, 0), std::make_pair(0, 0));
  EXPECT_EQ(LunarMonthLengths(2023, 13), std::make_pair(0, 0));

  EXPECT_EQ(LunarMonthDays(2023, 2, false), 30);
  EXPECT_EQ(LunarMonthDays(2023, 2, true), 29);
  EXPECT_EQ(LunarMonthDays(2024, 2, true), 0);
  EXPECT_EQ(LunarMonthDays(2050, 2, false), 0);
}

TEST(LunarTables, YearDays) {
  EXPECT_EQ(LunarYearDays(1901), 354);
  EXPECT_EQ(LunarYearDays(1903), 383);
  EXPECT_EQ(LunarYearDays(2023), 384);
  EXPECT_EQ(LunarYearDays(1900), 0);
  EXPECT_EQ(LunarYearDays(2050), 0);
  for (int year = 1901; year <= 2049; ++year) {
    const int days = LunarYearDays(year);
    if (LeapMonthOf(year) == 0) {
      EXPECT_TRUE(days >= 353 && days <= 355) << year << ": " << days;
    } else {
      EXPECT_TRUE(days >= 383 && days <= 385) << year << ": " << days;
    }
  }
}

TEST(LunarFromSolar, ConvertsWithinTheTableRange) {
  EXPECT_EQ(LunarOf(1901, 2, 19), "1901-1-1");
  EXPECT_EQ(LunarOf(1901, 2, 18), "");
  EXPECT_EQ(LunarOf(1900, 12, 31), "");
  EXPECT_EQ(LunarOf(2048, 12, 31), "2048-11-27");
  EXPECT_EQ(LunarOf(2049, 1, 1), "");
  EXPECT_EQ(LunarOf(2024, 2, 10), "2024-1-1");
  EXPECT_EQ(LunarOf(2024, 2, 9), "2023-12-30");
  EXPECT_EQ(LunarOf(2023, 2, 20), "2023-2-1");
  EXPECT_EQ(LunarOf(2023, 3, 21), "2023-2-30");
  EXPECT_EQ(LunarOf(2023, 3, 22), "2023-2-1 leap");
  EXPECT_EQ(LunarOf(2023, 4, 19), "2023-2-29 leap");
  EXPECT_EQ(LunarOf(2023, 4, 20), "2023-3-1");
  EXPECT_EQ(LunarOf(2020, 5, 23), "2020-4-1 leap");
  EXPECT_EQ(LunarOf(1903, 6, 25), "1903-5-1 leap");
  EXPECT_EQ(LunarOf(1914, 11, 16), "1914-9-29");
  EXPECT_EQ(LunarOf(1914, 11, 17), "1914-10-1");
  EXPECT_EQ(LunarOf(1984, 11, 23), "1984-10-1 leap");
  EXPECT_EQ(LunarOf(2033, 12, 22), "2033-11-1 leap");
}

TEST(LunarFromSolar, OddSolarInput) {
  EXPECT_EQ(LunarOf(2023, 0, 1), "");
  EXPECT_EQ(LunarOf(2023, 13, 1), "");
  // A day past the month's end counts on into the next month.
  EXPECT_EQ(LunarOf(2023, 4, 31), LunarOf(2023, 5, 1));
  EXPECT_EQ(LunarOf(2023, 5, 0), LunarOf(2023, 4, 30));
  EXPECT_EQ(LunarOf(2048, 12, 63), "2048-12-29");
  EXPECT_EQ(LunarOf(2048, 12, 64), "2049-1-1");
  // So far past that it leaves the tables.
  EXPECT_EQ(LunarOf(2048, 12, 65535), "");
  LunarDate untouched{1, 2, 3, true};
  EXPECT_FALSE(LunarFromSolar(2049, 1, 1, untouched));
  EXPECT_EQ(Text(untouched), "1-2-3 leap");
}

TEST(SolarFromLunar, ConvertsExistingDates) {
  EXPECT_EQ(SolarOf(2024, 1, 1), "2024-2-10");
  EXPECT_EQ(SolarOf(2023, 2, 1, true), "2023-3-22");
  EXPECT_EQ(SolarOf(2023, 2, 1), "2023-2-20");
  EXPECT_EQ(SolarOf(2023, 2, 30), "2023-3-21");
  EXPECT_EQ(SolarOf(2023, 3, 1), "2023-4-20");
  EXPECT_EQ(SolarOf(1903, 5, 1, true), "1903-6-25");
  EXPECT_EQ(SolarOf(1914, 10, 1), "1914-11-17");
  EXPECT_EQ(SolarOf(2048, 11, 27), "2048-12-31");
  // Lunar dates of 1901 whose same-numbered solar date precedes lunar new year.
  EXPECT_EQ(SolarOf(1901, 1, 1), "1901-2-19");
  EXPECT_EQ(SolarOf(1901, 2, 18), "1901-4-6");
  // A leap month the year does not have: the ordinary month.
  EXPECT_EQ(SolarOf(2024, 5, 1, true), "2024-6-6");
  EXPECT_EQ(SolarOf(2023, 3, 1, true), "2023-4-20");
}

TEST(SolarFromLunar, FailsForDatesThatDoNotExistOrLieBeyondTheRange) {
  EXPECT_EQ(SolarOf(2024, 1, 30), "");  // a 29-day month
  EXPECT_EQ(SolarOf(2023, 2, 30, true), "");
  EXPECT_EQ(SolarOf(2023, 1, 0), "");
  EXPECT_EQ(SolarOf(2023, 1, 31), "");
  EXPECT_EQ(SolarOf(2023, 0, 1), "");
  EXPECT_EQ(SolarOf(2023, 13, 1), "");
  EXPECT_EQ(SolarOf(1900, 1, 1), "");
  EXPECT_EQ(SolarOf(2050, 1, 1), "");
  EXPECT_EQ(SolarOf(2048, 11, 28), "");
  EXPECT_EQ(SolarOf(2048, 12, 1), "");
  EXPECT_EQ(SolarOf(2049, 1, 1), "");
  EXPECT_EQ(SolarOf(2049, 6, 15), "");
  SolarDate untouched{1, 2, 3};
  EXPECT_FALSE(SolarFromLunar(2024, 1, 30, false, untouched));
  EXPECT_EQ(Text(untouched), "1-2-3");
}

TEST(ConvertSolarToLunar, WritesTheLunarDateOnlyOnSuccess) {
  int year = -1, month = -1, day = -1;
  bool leap = false;
  // 2023-03-22 18:00: the time of day does not matter.
  EXPECT_TRUE(ConvertSolarToLunar(MakeDateTime(2023, 3, 22, 18), year, month, day, leap));
  EXPECT_EQ(std::vector<int>({year, month, day, leap}), std::vector<int>({2023, 2, 1, 1}));
  EXPECT_TRUE(ConvertSolarToLunar(MakeDateTime(2024, 2, 10), year, month, day, leap));
  EXPECT_EQ(std::vector<int>({year, month, day, leap}), std::vector<int>({2024, 1, 1, 0}));

  const std::vector<int> before{year, month, day, leap};
  for (DateTime solar :
       {MakeDateTime(1901, 2, 18), MakeDateTime(2049, 1, 1), kEmptyDateTime, kMinDateTime,
        kMaxDateTime, 1e12, -1e12, std::numeric_limits<double>::quiet_NaN()}) {
    EXPECT_FALSE(ConvertSolarToLunar(solar, year, month, day, leap)) << solar;
    EXPECT_EQ(std::vector<int>({year, month, day, leap}), before);
  }
}

TEST(ConvertLunarToSolar, TakesSixteenBitsAndALeapFlagOfExactlyOne) {
  DateTime solar = kEmptyDateTime;
  EXPECT_TRUE(ConvertLunarToSolar(2024, 1, 1, 0, solar));
  EXPECT_EQ(solar, MakeDateTime(2024, 2, 10));
  EXPECT_TRUE(ConvertLunarToSolar(2023, 2, 1, 1, solar));
  EXPECT_EQ(solar, MakeDateTime(2023, 3, 22));
  EXPECT_TRUE(ConvertLunarToSolar(2023, 2, 1, 2, solar));
  EXPECT_EQ(solar, MakeDateTime(2023, 2, 20));
  EXPECT_TRUE(ConvertLunarToSolar(2023, 2, 1, -1, solar));
  EXPECT_EQ(solar, MakeDateTime(2023, 2, 20));
  EXPECT_TRUE(ConvertLunarToSolar(2024 + 65536, 1 + 65536, 1 - 65536, 0, solar));
  EXPECT_EQ(solar, MakeDateTime(2024, 2, 10));
  EXPECT_EQ(solar, std::floor(solar));  // 00:00

  for (const auto& arguments : std::vector<std::array<int, 4>>{
           {2024, 1, 30, 0}, {2023, 2, 30, 1}, {2049, 1, 1, 0}, {2050, 1, 1, 0}, {0, 0, 0, 0}}) {
    const auto [year, month, day, leap] = arguments;
    DateTime untouched = kEmptyDateTime;
    EXPECT_FALSE(ConvertLunarToSolar(year, month, day, leap, untouched)) << year << "-" << month;
    EXPECT_EQ(untouched, kEmptyDateTime);
  }
}

}  // namespace
}  // namespace memo
