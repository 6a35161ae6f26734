// DateTime values, their text forms in both directions and the date arithmetic.
#include "datetime/date_time.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "datetime/civil_date.h"
#include "datetime/clock.h"
#include "engine_date_text.h"

namespace memo {
namespace {

using testing::Text;

TEST(DateTime, NamedValuesAndTheirTexts) {
  EXPECT_EQ(DateFromText("1899年12月30日"), 0.0);
  EXPECT_EQ(DateFromText("100年1月1日"), kMinDateTime);
  EXPECT_EQ(DateFromText("9999年12月31日"), kMaxDateTime);
  EXPECT_EQ(DateToText(0.0), "1899年12月30日");
  EXPECT_EQ(DateToText(kMinDateTime), "100年1月1日");
  EXPECT_EQ(DateToText(kMaxDateTime), "9999年12月31日");
  EXPECT_EQ(MakeDateTime(1899, 12, 31), 1.0);
  EXPECT_EQ(MakeDateTime(1899, 12, 29), -1.0);
}

TEST(DateTime, DateFromTextAcceptsExactDatesInEveryForm) {
  EXPECT_EQ(DateFromText("2012年2月29日"), 40968.0);
  EXPECT_EQ(DateFromText("2013-5-3"), MakeDateTime(2013, 5, 3));
  EXPECT_EQ(DateFromText("2013.5.3"), MakeDateTime(2013, 5, 3));
  EXPECT_EQ(DateFromText("2013/05/03 12:30:00"), MakeDateTime(2013, 5, 3, 12, 30));
  EXPECT_EQ(DateFromText("2013年5月29"), MakeDateTime(2013, 5, 29));
  EXPECT_EQ(DateFromText("2013年5月3日12时30分5秒"), MakeDateTime(2013, 5, 3, 12, 30, 5));
  EXPECT_EQ(DateFromText("2013年5月3日12时"), MakeDateTime(2013, 5, 3, 12));
  // Whatever follows 秒 is not read.
  EXPECT_EQ(DateFromText("2013年5月3日12时30分5秒x"), MakeDateTime(2013, 5, 3, 12, 30, 5));
  EXPECT_EQ(DateFromText("２０１３年５月３日"), MakeDateTime(2013, 5, 3));
  EXPECT_EQ(DateFromText("２０１３－０５－０３　１２：３０"), MakeDateTime(2013, 5, 3, 12, 30));
  // The suffix removed, a leap-month birthday reads as its date.
  EXPECT_EQ(DateFromText("1990年5月3日"), MakeDateTime(1990, 5, 3));
}

TEST(DateTime, DateFromTextRefusesAnythingButAnExactDate) {
  for (const char* text :
       {"", "2013年2月29日", "2013年4月31日", "2013年1月0日", "2013年1月-1日", "99年1月1日",
        " 2013年1月1日", "1990年5月3日[闰月]", "2013年13月1日", "2013年5月", "2013年5月3日24时",
        "2013年5月3日12时60分", "2013年5月3日x", "10000年1月1日", "abc", "2013年5月3日 12:30:61"}) {
    EXPECT_EQ(DateFromText(text), kMinDateTime) << text;
  }
  // Five digits are read as a four-digit year followed by a stray digit.
  EXPECT_EQ(DateFromText("20130年1月1日"), kMinDateTime);
}

TEST(DateTime, DateToTextWritesTheTimeOnlyAsFarAsNeeded) {
  EXPECT_EQ(DateToText(MakeDateTime(2013, 5, 3, 12, 30)), "2013年5月3日12时30分");
  EXPECT_EQ(DateToText(MakeDateTime(2013, 5, 3, 0, 0, 5)), "2013年5月3日0时0分5秒");
  EXPECT_EQ(DateToText(MakeDateTime(2013, 5, 3)), "2013年5月3日");
  EXPECT_EQ(DateToText(MakeDateTime(2013, 5, 3, 7)), "2013年5月3日7时");
  EXPECT_EQ(DateToText(MakeDateTime(2024, 2, 4, 23, 59, 59)), "2024年2月4日23时59分59秒");
  // Before 1899-12-30 the fraction is still the time of day.
  EXPECT_EQ(DateToText(-1.25), "1899年12月29日6时");
  // Out-of-range values are clamped first.
  EXPECT_EQ(DateToText(-1e9), "100年1月1日");
  EXPECT_EQ(DateToText(1e9), "9999年12月31日");
  for (int year : {100, 1600, 1899, 1900, 2000, 2100, 9999}) {
    DateTime day = MakeDateTime(year, 2, 28);
    EXPECT_EQ(DateFromText(DateToText(day)), day) << year;
  }
}

TEST(DateTime, PartsAreTakenFromTheClampedValue) {
  DateTime moment = MakeDateTime(2013, 5, 3, 12, 30);
  EXPECT_EQ(YearOf(moment), 2013);
  EXPECT_EQ(MonthOf(moment), 5);
  EXPECT_EQ(DayOf(moment), 3);
  EXPECT_EQ(SecondOfDay(moment), 12 * 3600 + 30 * 60);
  EXPECT_EQ(SecondOfDay(MakeDateTime(2024, 2, 4, 16, 26, 47)), 59207);
  EXPECT_EQ(SecondOfDay(MakeDateTime(1899, 12, 29, 6)), 6 * 3600);
  // A hair before midnight stays on its own day.
  EXPECT_EQ(SecondOfDay(MakeDateTime(2013, 5, 4) - 1e-9), 86399);
  EXPECT_EQ(DatePart(moment), MakeDateTime(2013, 5, 3));
  EXPECT_EQ(YearOf(2958466.0), 9999);
  EXPECT_EQ(YearOf(-657435.0), 100);
  EXPECT_EQ(ClampDateTime(-1e300), kMinDateTime);
  EXPECT_EQ(ClampDateTime(1e300), kMaxDateTime);
  EXPECT_EQ(ClampDateTime(40968.5), 40968.5);
}

TEST(DateTime, DaysBetween) {
  EXPECT_EQ(DaysBetween(MakeDateTime(2013, 3, 1), MakeDateTime(2013, 2, 28)), 1.0);
  EXPECT_EQ(DaysBetween(MakeDateTime(2012, 3, 1), MakeDateTime(2012, 2, 28)), 2.0);
  EXPECT_EQ(DaysBetween(MakeDateTime(2013, 5, 3), MakeDateTime(2013, 5, 3)), 0.0);
  EXPECT_LT(DaysBetween(kMinDateTime, MakeDateTime(2013, 5, 3)), -365.0);
  // Values beyond the range count as the range's ends.
  EXPECT_EQ(DaysBetween(-1e9, kMinDateTime), 0.0);
  EXPECT_DOUBLE_EQ(DaysBetween(MakeDateTime(2013, 5, 3, 12), MakeDateTime(2013, 5, 3)), 0.5);
}

TEST(DateTime, TruncateToIntegerRoundsTowardZeroAndSaturates) {
  constexpr int64_t kMax = std::numeric_limits<int64_t>::max();
  constexpr int64_t kMin = std::numeric_limits<int64_t>::min();
  const struct {
    double value;
    int64_t expected;
  } cases[] = {
      {-0.5, 0},
      {2.9, 2},
      {-1.9, -1},
      {-657434.0 - 41000.0, -698434},
      {9223372036854774784.0, 9223372036854774784},  // the last double below 2^63
      {9223372036854775808.0, kMax},
      {1e300, kMax},
      {std::numeric_limits<double>::infinity(), kMax},
      {-9223372036854775808.0, kMin},
      {-1e300, kMin},
      {-std::numeric_limits<double>::infinity(), kMin},
      {std::numeric_limits<double>::quiet_NaN(), 0},
  };
  for (const auto& c : cases) EXPECT_EQ(TruncateToInteger(c.value), c.expected) << c.value;
}

TEST(DateTime, NumberToText) {
  EXPECT_EQ(NumberToText(28.0), "28");
  EXPECT_EQ(NumberToText(-3), "-3");
  EXPECT_EQ(NumberToText(int64_t{-9000000000}), "-9000000000");
  EXPECT_EQ(NumberToText(29.0 - 1.0), "28");
  EXPECT_EQ(NumberToText(0.1), "0.1");
}

TEST(DateTime, TextToNumberReadsTheLeadingNumber) {
  EXPECT_EQ(TextToNumber("10"), 10.0);
  EXPECT_EQ(TextToNumber("-1"), -1.0);
  EXPECT_EQ(TextToNumber("7.5天"), 7.5);
  EXPECT_EQ(TextToNumber("１２３"), 123.0);
  EXPECT_EQ(TextToNumber("1e3x"), 1000.0);
  EXPECT_EQ(TextToNumber("1e"), 1.0);
  EXPECT_EQ(TextToNumber(".5"), 0.5);
  EXPECT_EQ(TextToNumber("abc"), 0.0);
  EXPECT_EQ(TextToNumber(""), 0.0);
  EXPECT_EQ(TextToNumber("-"), 0.0);
  EXPECT_EQ(TextToNumber("还有5天过生日"), 0.0);
  EXPECT_EQ(TextToNumber(" 5"), 0.0);
}

TEST(SolarCalendar, LeapYearsAndMonthLengths) {
  EXPECT_TRUE(IsGregorianLeapYear(2024));
  EXPECT_TRUE(IsGregorianLeapYear(2000));
  EXPECT_FALSE(IsGregorianLeapYear(1900));
  EXPECT_FALSE(IsGregorianLeapYear(2023));
  EXPECT_EQ(SolarMonthDays(2024, 2), 29);
  EXPECT_EQ(SolarMonthDays(1900, 2), 28);
  EXPECT_EQ(SolarMonthDays(2023, 1), 31);
  EXPECT_EQ(SolarMonthDays(2023, 4), 30);
  EXPECT_EQ(SolarMonthDays(2023, 12), 31);
  EXPECT_EQ(SolarMonthDays(2023, 0), 0);
  EXPECT_EQ(SolarMonthDays(2023, 13), 0);
}

TEST(SolarCalendar, DayCountsDifferByTheDaysBetween) {
  const struct {
    int y1, m1, d1, y2, m2, d2;
    int64_t days;
  } cases[] = {
      {2013, 3, 1, 2013, 2, 28, 1},       {2024, 3, 1, 2024, 2, 28, 2},
      {1901, 2, 19, 1901, 1, 1, 49},      {2000, 1, 1, 2001, 1, 1, -366},
      {2048, 12, 31, 1901, 2, 19, 54007},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DaysFromCivil(c.y1, c.m1, c.d1) - DaysFromCivil(c.y2, c.m2, c.d2), c.days)
        << c.y1 << "-" << c.m1 << "-" << c.d1;
  }
}

TEST(DayNumber, CarriesWhetherItIsADay) {
  const struct {
    int year, month, day, weekday;  // weekday 0: no day
  } cases[] = {
      {2024, 2, 10, 6}, {2000, 1, 1, 6}, {2024, 2, 11, 7},  {2024, 3, 1, 5},  {1900, 3, 1, 4},
      {1970, 1, 1, 4},  {100, 1, 1, 5},  {9999, 12, 31, 5}, {99, 12, 31, 0},  {10000, 1, 1, 0},
      {2023, 2, 29, 0}, {2024, 0, 1, 0}, {2024, 13, 1, 0},  {2024, 4, 31, 0}, {2024, 1, 0, 0},
  };
  for (const auto& c : cases) {
    const DayNumber day = DayNumber::FromCivil(c.year, c.month, c.day);
    EXPECT_EQ(day.ok(), c.weekday != 0) << c.year << "-" << c.month << "-" << c.day;
    if (day.ok()) {
      EXPECT_EQ(day.weekday(), c.weekday) << c.year << "-" << c.month;
    }
  }
  EXPECT_FALSE(DayNumber().ok());
  EXPECT_FALSE((DayNumber::FromCivil(9999, 12, 31) + 1).ok());
  EXPECT_FALSE((DayNumber::FromCivil(100, 1, 1) - 1).ok());
  EXPECT_FALSE((DayNumber() + 1).ok());
  const DayNumber leapDay = DayNumber::FromCivil(2024, 2, 28) + 1;
  EXPECT_EQ(Text(leapDay.civil()), "2024-2-29");
  EXPECT_EQ(DayNumber::FromCivil(2025, 1, 1) - leapDay, 307);
}

// Steps across the ends of months and years, and the order of days.
TEST(DayNumber, MovesByDaysAndOrders) {
  const struct {
    int year, month, day, n;
    const char* moved;
  } steps[] = {
      {2023, 12, 31, 1, "2024-1-1"},   {2024, 2, 28, 1, "2024-2-29"},
      {2023, 2, 28, 1, "2023-3-1"},    {2024, 1, 1, -1, "2023-12-31"},
      {2024, 3, 1, -1, "2024-2-29"},   {2023, 3, 22, 31, "2023-4-22"},
      {2023, 4, 22, -31, "2023-3-22"}, {2023, 5, 5, 0, "2023-5-5"},
      {2000, 1, 1, 366, "2001-1-1"},
  };
  for (const auto& c : steps) {
    EXPECT_EQ(Text((DayNumber::FromCivil(c.year, c.month, c.day) + c.n).civil()), c.moved)
        << c.year << "-" << c.month << "-" << c.day << " " << c.n;
  }
  EXPECT_GT(DayNumber::FromCivil(2024, 1, 1), DayNumber::FromCivil(2023, 12, 31));
  EXPECT_GT(DayNumber::FromCivil(2023, 2, 1), DayNumber::FromCivil(2023, 1, 31));
  EXPECT_LT(DayNumber::FromCivil(2023, 1, 1), DayNumber::FromCivil(2023, 1, 2));
}

TEST(DayNumber, OfADateTimeValue) {
  EXPECT_EQ(Text(DayNumberOf(0.0).civil()), "1899-12-30");
  EXPECT_EQ(Text(DayNumberOf(-1.25).civil()), "1899-12-29");  // as DateToText reads it
  EXPECT_EQ(Text(DayNumberOf(MakeDateTime(2024, 2, 10, 23, 59, 59)).civil()), "2024-2-10");
  EXPECT_EQ(DayNumberOf(std::nan("")), DayNumberOf(kMinDateTime));
  EXPECT_EQ(DateTimeOf(DayNumber::FromCivil(2024, 2, 10)), MakeDateTime(2024, 2, 10));
}

TEST(Clock, FixedClockAndIsoDates) {
  FixClock(MakeDateTime(2012, 4, 15));
  EXPECT_EQ(Now(), MakeDateTime(2012, 4, 15));
  SetClock(nullptr);
  EXPECT_GT(Now(), MakeDateTime(2020, 1, 1));
  EXPECT_EQ(ParseIsoDate("2012-02-29"), DayNumber::FromCivil(2012, 2, 29));
  EXPECT_EQ(ParseIsoDate("0100-01-01"), DayNumber::FromCivil(100, 1, 1));  // the first day
  for (const char* bad : {"2013-02-29", "2013-2-28", "20130228", "2013-13-01", "0099-01-01", ""}) {
    EXPECT_FALSE(ParseIsoDate(bad).ok()) << bad;
  }
}

}  // namespace
}  // namespace memo
