#include "lunar/lunar_engine.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "datetime/date_time.h"
#include "engine_date_text.h"

namespace memo {
namespace {

using testing::Text;

// "" when the conversion fails.
std::string LunarOf(int year, int month, int day) {
  const std::optional<LunarDate> date = LunarFromSolar(DayNumber::FromCivil(year, month, day));
  return date ? Text(*date) : "";
}

std::string SolarOf(int year, int month, int day, bool leap = false) {
  const std::optional<DayNumber> date = SolarFromLunar(LunarDate{year, month, day, leap});
  return date ? Text(date->civil()) : "";
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
  EXPECT_FALSE(LeapMonthOf(1900));
  EXPECT_FALSE(LeapMonthOf(2050));
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

TEST(LunarFromSolar, TakesOnlyDays) {
  // Fields that name no day make no day, so nothing converts them.
  EXPECT_EQ(LunarOf(2023, 0, 1), "");
  EXPECT_EQ(LunarOf(2023, 13, 1), "");
  EXPECT_EQ(LunarOf(2023, 4, 31), "");
  EXPECT_EQ(LunarOf(2023, 5, 0), "");
  EXPECT_FALSE(LunarFromSolar(DayNumber()));
  EXPECT_FALSE(LunarFromSolar(kFirstLunarDay - 1));
  EXPECT_FALSE(LunarFromSolar(kLastLunarDay + 1));
  // The time of day does not matter.
  EXPECT_EQ(Text(*LunarFromSolar(DayNumberOf(MakeDateTime(2023, 3, 22, 18)))), "2023-2-1 leap");
  for (DateTime solar :
       {0.0, kMinDateTime, kMaxDateTime, 1e12, -1e12, std::numeric_limits<double>::quiet_NaN()}) {
    EXPECT_FALSE(LunarFromSolar(DayNumberOf(solar))) << solar;
  }
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
  EXPECT_EQ(SolarOf(0, 0, 0), "");
  EXPECT_EQ(SolarOf(2024 + 65536, 1, 1), "");  // no year wraps round to one in the tables
}

}  // namespace
}  // namespace memo
