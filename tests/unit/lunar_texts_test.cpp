// Chinese names of dates, the year in force at a moment, solar terms, weekdays and the
// lunar text templates.
#include <gtest/gtest.h>

#include <cmath>

#include "lunar/date_names.h"
#include "lunar/lunar_template.h"
#include "lunar/solar_terms.h"
#include "lunar/year_stem_branch.h"

namespace memo {
namespace {

constexpr double kOneSecond = 1.0 / 86400;

TEST(LunarTexts, LunarMonthName) {
  EXPECT_EQ(LunarMonthName(1, false), "正月");
  EXPECT_EQ(LunarMonthName(2, true), "闰二月");
  EXPECT_EQ(LunarMonthName(4, true), "闰四月");
  EXPECT_EQ(LunarMonthName(10, false), "十月");
  EXPECT_EQ(LunarMonthName(11, false), "冬月");
  EXPECT_EQ(LunarMonthName(12, false), "腊月");
  EXPECT_EQ(LunarMonthName(12, true), "闰腊月");
  EXPECT_EQ(LunarMonthName(0, true), "");
  EXPECT_EQ(LunarMonthName(13, false), "");
}

TEST(LunarTexts, LunarDayName) {
  EXPECT_EQ(LunarDayName(1), "初一");
  EXPECT_EQ(LunarDayName(10), "初十");
  EXPECT_EQ(LunarDayName(11), "十一");
  EXPECT_EQ(LunarDayName(15), "十五");
  EXPECT_EQ(LunarDayName(19), "十九");
  EXPECT_EQ(LunarDayName(20), "廿十");
  EXPECT_EQ(LunarDayName(21), "廿一");
  EXPECT_EQ(LunarDayName(23), "廿三");
  EXPECT_EQ(LunarDayName(29), "廿九");
  EXPECT_EQ(LunarDayName(30), "三十");
  EXPECT_EQ(LunarDayName(0), "");
  EXPECT_EQ(LunarDayName(31), "");
  EXPECT_EQ(LunarDayName(-9), "");
}

TEST(LunarTexts, StemBranchAndZodiac) {
  EXPECT_EQ(StemBranchText(1), "甲子");
  EXPECT_EQ(StemBranchText(38), "辛丑");
  EXPECT_EQ(StemBranchText(40), "癸卯");
  EXPECT_EQ(StemBranchText(41), "甲辰");
  EXPECT_EQ(StemBranchText(60), "癸亥");
  EXPECT_EQ(StemBranchText(0), "");
  EXPECT_EQ(StemBranchText(61), "");
  EXPECT_EQ(StemBranchText(-9), "");
  EXPECT_EQ(ZodiacName(1), "鼠");
  EXPECT_EQ(ZodiacName(5), "龙");
  EXPECT_EQ(ZodiacName(12), "猪");
  EXPECT_EQ(ZodiacName(0), "");
  EXPECT_EQ(ZodiacName(13), "");
}

TEST(LunarTexts, TermWeekdayAndSolarMonthNames) {
  EXPECT_EQ(SolarTermName(1), "小寒");
  EXPECT_EQ(SolarTermName(3), "立春");
  EXPECT_EQ(SolarTermName(24), "冬至");
  EXPECT_EQ(SolarTermName(0), "");
  EXPECT_EQ(SolarTermName(25), "");
  EXPECT_EQ(WeekdayName(1), "星期一");
  EXPECT_EQ(WeekdayName(7), "星期日");
  EXPECT_EQ(WeekdayName(0), "");
  EXPECT_EQ(WeekdayName(8), "");
  EXPECT_EQ(SolarMonthName(1), "一月");
  EXPECT_EQ(SolarMonthName(11), "十一月");
  EXPECT_EQ(SolarMonthName(12), "十二月");
  EXPECT_EQ(SolarMonthName(0), "");
  EXPECT_EQ(SolarMonthName(13), "");
}

TEST(LunarTexts, SolarTermOfDate) {
  EXPECT_EQ(SolarTermOfDate(2024, 2, 4), 3);
  EXPECT_EQ(SolarTermOfDate(2024, 2, 5), 0);
  EXPECT_EQ(SolarTermOfDate(2024, 2, 19), 4);
  EXPECT_EQ(SolarTermOfDate(2024, 12, 21), 24);
  EXPECT_EQ(SolarTermOfDate(2024, 12, 31), 0);
  EXPECT_EQ(SolarTermOfDate(1880, 1, 6), 1);
  EXPECT_EQ(SolarTermOfDate(2079, 12, 22), 24);
  EXPECT_EQ(SolarTermOfDate(1879, 12, 22), 0);
  EXPECT_EQ(SolarTermOfDate(2080, 1, 6), 0);
  EXPECT_EQ(SolarTermOfDate(2080, 1, 5), 0);
  EXPECT_EQ(SolarTermOfDate(2024, 13, 1), 0);
  // Every term of every year is found on its own day.
  for (int year = 1880; year <= 2079; ++year) {
    for (int term = 1; term <= 24; ++term) {
      DateTime moment = *SolarTermMoment(year, term);
      ASSERT_EQ(SolarTermOfDate(year, MonthOf(moment), DayOf(moment)), term) << year;
    }
  }
}

TEST(LunarTexts, SolarTermMoment) {
  EXPECT_EQ(SolarTermMoment(2024, 3), MakeDateTime(2024, 2, 4, 16, 26, 47));
  EXPECT_EQ(SolarTermMoment(1880, 1), MakeDateTime(1880, 1, 6, 5, 41, 45));
  EXPECT_EQ(SolarTermMoment(2079, 24), MakeDateTime(2079, 12, 22, 1, 43, 12));
  EXPECT_FALSE(SolarTermMoment(1879, 1));
  EXPECT_FALSE(SolarTermMoment(2080, 1));
  EXPECT_FALSE(SolarTermMoment(2024, 0));
  EXPECT_FALSE(SolarTermMoment(2024, 25));
}

TEST(LunarTexts, YearStemBranchIndexChangesAtSpringBegins) {
  const DateTime springBegins = MakeDateTime(2024, 2, 4, 16, 26, 47);
  EXPECT_EQ(YearStemBranchIndex(springBegins - kOneSecond), 40);  // 癸卯
  EXPECT_EQ(YearStemBranchIndex(springBegins), 41);               // 甲辰
  // Before 小寒 the walk back leaves the year.
  EXPECT_EQ(YearStemBranchIndex(MakeDateTime(2024, 1, 3, 12)), 40);
  EXPECT_EQ(YearStemBranchIndex(MakeDateTime(2024, 1, 6, 4, 49, 1)), 40);
  // 大寒 day, after its moment.
  EXPECT_EQ(YearStemBranchIndex(MakeDateTime(2024, 1, 20, 23)), 40);
  // 雨水 day, before its moment: the last term is still 立春.
  EXPECT_EQ(YearStemBranchIndex(MakeDateTime(2024, 2, 19)), 41);
  EXPECT_EQ(YearStemBranchIndex(MakeDateTime(2024, 12, 31, 23, 59, 59)), 41);
  // 甲子 follows 癸亥 at 立春 of 1984.
  EXPECT_EQ(YearStemBranchIndex(MakeDateTime(1984, 2, 4, 12)), 60);
  EXPECT_EQ(YearStemBranchIndex(MakeDateTime(1984, 2, 5)), 1);
  // The engine's range: 1901-02-19 .. 2048-12-31.
  EXPECT_EQ(YearStemBranchIndex(MakeDateTime(1901, 2, 18, 23, 59, 59)), 0);
  EXPECT_EQ(YearStemBranchIndex(MakeDateTime(1901, 2, 19)), 38);              // 辛丑
  EXPECT_EQ(YearStemBranchIndex(MakeDateTime(2048, 12, 31, 23, 59, 59)), 5);  // 戊辰
  EXPECT_EQ(YearStemBranchIndex(MakeDateTime(2049, 1, 1)), 0);
  EXPECT_EQ(YearStemBranchIndex(kMaxDateTime), 0);
  EXPECT_EQ(YearStemBranchIndex(0.0), 0);
  EXPECT_EQ(YearStemBranchIndex(std::nan("")), 0);
  // Every year of the range, at its 立春 and the second before.
  for (int year = 1902; year <= 2048; ++year) {
    const int index = (year - 4) % 60 + 1;  // 1984 is 甲子
    DateTime moment = *SolarTermMoment(year, 3);
    EXPECT_EQ(YearStemBranchIndex(moment), index) << year;
    EXPECT_EQ(YearStemBranchIndex(moment - kOneSecond), index == 1 ? 60 : index - 1) << year;
  }
}

TEST(LunarTexts, FormatLunarText) {
  EXPECT_EQ(FormatLunarText(MakeDateTime(2024, 2, 10), kDefaultLunarTemplate),
            "甲辰年(龙)正月初一 2024-2-10");
  EXPECT_EQ(FormatLunarText(MakeDateTime(2024, 2, 4, 16, 26, 46), kDefaultLunarTemplate),
            "癸卯年(兔)腊月廿五 2024-2-4");
  EXPECT_EQ(FormatLunarText(MakeDateTime(2024, 2, 4, 16, 26, 47), "%Y(%S)"), "甲辰(龙)");
  EXPECT_EQ(FormatLunarText(MakeDateTime(2023, 3, 22), "%M%D"), "闰二月初一");
  EXPECT_EQ(FormatLunarText(MakeDateTime(2024, 2, 29), "%M%D"), "正月廿十");
  EXPECT_EQ(FormatLunarText(MakeDateTime(2024, 2, 10), "农历 %Q %% 100%"), "农历 %Q %% 100%");
  EXPECT_EQ(FormatLunarText(MakeDateTime(2024, 2, 10), "%y%y %s%d%m"), "20242024 %s102");
  EXPECT_EQ(FormatLunarText(MakeDateTime(2024, 2, 10), ""), "");
  // Outside the engine's range only the solar date has a name.
  EXPECT_EQ(FormatLunarText(MakeDateTime(1901, 2, 18), kDefaultLunarTemplate), "年() 1901-2-18");
  EXPECT_EQ(FormatLunarText(MakeDateTime(2049, 1, 1), kDefaultLunarTemplate), "年() 2049-1-1");
}

TEST(LunarTexts, FormatLunarDay) {
  // The whole 立春 day already belongs to the new year.
  EXPECT_EQ(FormatLunarDay(DayNumber::FromCivil(2024, 2, 4), "%Y(%S)"), "甲辰(龙)");
  EXPECT_EQ(FormatLunarDay(DayNumber::FromCivil(2024, 2, 3), "%Y(%S)"), "癸卯(兔)");
  EXPECT_EQ(FormatLunarDay(DayNumber::FromCivil(2024, 5, 1), "%Y(%S)-%y"), "甲辰(龙)-2024");
  EXPECT_EQ(FormatLunarDay(DayNumber::FromCivil(2024, 2, 10), ""), "甲辰年(龙)正月初一 2024-2-10");
  EXPECT_EQ(FormatLunarDay(DayNumber::FromCivil(2023, 2, 29), ""), "");
  EXPECT_EQ(FormatLunarDay(DayNumber::FromCivil(2024, 13, 1), "%y"), "");
  EXPECT_EQ(FormatLunarDay(DayNumber::FromCivil(2024, 4, 0), "%y"), "");
}

}  // namespace
}  // namespace memo
