// What Chinese families count about a birthday: the 生肖 and 星座 of the birth, the 虚岁
// beside the 周岁, the marks of a 整寿, and the greeting copied for it; each at its turning
// days.
#include <gtest/gtest.h>

#include "reckoning/age_forms.h"
#include "reckoning/birth_signs.h"
#include "report/greetings.h"
#include "report/upcoming_entries.h"

namespace memo {
namespace {

TodayDates DayOf(int year, int month, int day) {
  return DayOfMoment(MakeDateTime(year, month, day));
}

TEST(BirthCustoms, ZodiacTurnsAtTheLunarNewYearAndStarSignsOnEveryBoundaryDay) {
  const struct {
    const char* text;
    bool lunar;
    const char* zodiac;
    const char* sign;
  } cases[] = {
      {"2024年2月9日", false, "兔", "水瓶座"},   // 除夕
      {"2024年2月10日", false, "龙", "水瓶座"},  // 正月初一, though 立春 was 2月4日
      {"2024年2月4日", false, "兔", "水瓶座"},
      {"2023年12月30日", true, "兔", "水瓶座"},  // 腊月: the year it is stored in (2024-02-09)
      {"2024年1月1日", true, "龙", "水瓶座"},
      {"1990年5月8日[闰月]", true, "马", "巨蟹座"},  // 1990-06-30
      {"2013年4月30日", true, "蛇", ""},             // no such lunar day: no solar day either
      {"1901年2月19日", false, "牛", "双鱼座"},      // the engine's first day
      {"1901年2月18日", false, "", "水瓶座"},
      {"1900年12月1日", true, "", ""},
      {"2049年1月1日", true, "蛇", ""},
      {"garbage", false, "", ""},
      {"2000年1月19日", false, "兔", "摩羯座"},
      {"2000年1月20日", false, "兔", "水瓶座"},
      {"2000年2月18日", false, "龙", "水瓶座"},
      {"2000年2月19日", false, "龙", "双鱼座"},
      {"2000年3月20日", false, "龙", "双鱼座"},
      {"2000年3月21日", false, "龙", "白羊座"},
      {"2000年4月19日", false, "龙", "白羊座"},
      {"2000年4月20日", false, "龙", "金牛座"},
      {"2000年5月20日", false, "龙", "金牛座"},
      {"2000年5月21日", false, "龙", "双子座"},
      {"2000年6月21日", false, "龙", "双子座"},
      {"2000年6月22日", false, "龙", "巨蟹座"},
      {"2000年7月22日", false, "龙", "巨蟹座"},
      {"2000年7月23日", false, "龙", "狮子座"},
      {"2000年8月22日", false, "龙", "狮子座"},
      {"2000年8月23日", false, "龙", "处女座"},
      {"2000年9月22日", false, "龙", "处女座"},
      {"2000年9月23日", false, "龙", "天秤座"},
      {"2000年10月23日", false, "龙", "天秤座"},
      {"2000年10月24日", false, "龙", "天蝎座"},
      {"2000年11月22日", false, "龙", "天蝎座"},
      {"2000年11月23日", false, "龙", "射手座"},
      {"2000年12月21日", false, "龙", "射手座"},
      {"2000年12月22日", false, "龙", "摩羯座"},
  };
  for (const auto& c : cases) {
    const Birthday birthday = ReadBirthday(c.text, c.lunar);
    EXPECT_EQ(ZodiacOfBirth(birthday), c.zodiac) << c.text;
    EXPECT_EQ(StarSignOfBirth(birthday), c.sign) << c.text;
  }
}

// The friend list's age today: the 虚岁 grows at 正月初一, not on the birthday.
TEST(BirthCustoms, NominalAgeGrowsAtTheLunarNewYear) {
  const struct {
    const char* text;
    bool lunar;
    TodayDates today;
    AgeForm form;
    const char* age;
  } cases[] = {
      {"1990年6月1日", false, DayOf(2024, 2, 9), AgeForm::kNominal, "虚岁34"},  // 除夕
      {"1990年6月1日", false, DayOf(2024, 2, 10), AgeForm::kNominal, "虚岁35"},
      {"1990年6月1日", false, DayOf(2024, 2, 10), AgeForm::kFullYears, "33岁"},
      {"1990年6月1日", false, DayOf(2024, 2, 10), AgeForm::kBoth, "33岁（虚岁35）"},
      // The 周岁 is completed years: one short until the birthday itself.
      {"1966年12月15日", false, DayOf(2026, 12, 8), AgeForm::kFullYears, "59岁"},
      {"1966年12月8日", false, DayOf(2026, 12, 8), AgeForm::kFullYears, "60岁"},
      {"2026年1月8日", false, DayOf(2026, 12, 8), AgeForm::kFullYears, "0岁"},
      {"1966年11月1日", true, DayOf(2026, 12, 8), AgeForm::kFullYears, "59岁"},  // 十月三十
      {"1966年10月30日", true, DayOf(2026, 12, 8), AgeForm::kFullYears, "60岁"},
      {"1990年1月20日", false, DayOf(2024, 2, 10), AgeForm::kNominal, "虚岁36"},  // lunar 1989
      {"1989年12月24日", true, DayOf(2024, 2, 9), AgeForm::kBoth, "34岁（虚岁35）"},
      {"1989年12月24日", true, DayOf(2024, 2, 10), AgeForm::kBoth, "34岁（虚岁36）"},
      {"1900年1月1日", false, DayOf(2024, 2, 10), AgeForm::kBoth, "124岁"},  // no lunar year
      {"1900年1月1日", false, DayOf(2024, 2, 10), AgeForm::kNominal, ""},
  };
  for (const auto& c : cases) {
    const std::optional<Ages> ages = AgesToday(ReadBirthday(c.text, c.lunar), c.today);
    ASSERT_TRUE(ages) << c.text;
    EXPECT_EQ(AgeInForm(*ages, c.form), c.age) << c.text << " " << static_cast<int>(c.form);
  }
  EXPECT_FALSE(AgesToday(ReadBirthday("garbage", false), DayOf(2024, 2, 10)));
}

// The upcoming age and its mark, counted in the chosen reckoning: a 周岁 70 and a 虚岁 70
// fall in different years.
TEST(BirthCustoms, MilestonesInEitherReckoning) {
  const struct {
    const char* text;
    bool lunar;
    TodayDates today;
    AgeForm form;
    const char* age;
    const char* mark;
  } cases[] = {
      {"1955年6月1日", false, DayOf(2025, 5, 30), AgeForm::kFullYears, "70岁", "（七十大寿）"},
      {"1955年6月1日", false, DayOf(2025, 5, 30), AgeForm::kNominal, "虚岁71", ""},
      {"1955年6月1日", false, DayOf(2025, 5, 30), AgeForm::kBoth, "70岁（虚岁71）", "（七十大寿）"},
      {"1955年6月1日", false, DayOf(2024, 5, 30), AgeForm::kNominal, "虚岁70", "（七十大寿）"},
      {"1955年6月1日", false, DayOf(2024, 5, 30), AgeForm::kFullYears, "69岁", ""},
      {"1955年6月1日", false, DayOf(2024, 5, 30), AgeForm::kBoth, "69岁（虚岁70）", ""},
      // 腊月廿九 of lunar 1964 falls in solar 2025 and is still of lunar 2024.
      {"1964年12月29日", true, DayOf(2025, 1, 25), AgeForm::kNominal, "虚岁61", ""},
      {"1964年12月29日", true, DayOf(2025, 1, 25), AgeForm::kFullYears, "60岁", "（六十大寿）"},
      {"1925年6月1日", false, DayOf(2025, 5, 30), AgeForm::kFullYears, "100岁", "（百岁大寿）"},
      {"1915年6月1日", false, DayOf(2025, 5, 30), AgeForm::kFullYears, "110岁", "（一百一十大寿）"},
      {"1975年6月1日", false, DayOf(2025, 5, 30), AgeForm::kFullYears, "50岁", "（五十岁整生日）"},
      {"2015年6月1日", false, DayOf(2025, 5, 30), AgeForm::kFullYears, "10岁", "（十岁整生日）"},
      {"2024年6月1日", false, DayOf(2025, 5, 30), AgeForm::kFullYears, "1岁", "（一周岁）"},
      {"2024年6月1日", false, DayOf(2025, 5, 30), AgeForm::kNominal, "虚岁2", "（一周岁）"},
      {"1995年6月1日", false, DayOf(2025, 5, 30), AgeForm::kFullYears, "30岁", "（三十岁整生日）"},
      {"1996年6月1日", false, DayOf(2025, 5, 30), AgeForm::kFullYears, "29岁", ""},
      {"1895年6月1日", false, DayOf(2025, 5, 30), AgeForm::kFullYears, "130岁", ""},
      // Before the lunar years there is no 虚岁, so 虚岁 shows no age and no mark either.
      {"1899年2月4日", false, DayOf(2019, 2, 2), AgeForm::kNominal, "", ""},
      {"1899年2月4日", false, DayOf(2019, 2, 2), AgeForm::kBoth, "120岁", "（一百二十大寿）"},
  };
  for (const auto& c : cases) {
    const std::vector<UpcomingEntry> entries =
        UpcomingEntries({Friend{1, "甲", ReadBirthday(c.text, c.lunar), ""}}, c.today, 10, c.form);
    ASSERT_EQ(entries.size(), 1u) << c.text;
    EXPECT_EQ(entries[0].age, c.age) << c.text << " " << static_cast<int>(c.form);
    EXPECT_EQ(entries[0].mark, c.mark) << c.text << " " << static_cast<int>(c.form);
  }
}

TEST(BirthCustoms, GreetingsByAgeAndOccasionFromTheBuiltInOnesOrTheUsersFile) {
  const GreetingBook own = GreetingsFromFile(
      "\xEF\xBB\xBF"
      u8"没有分组的一行\r\n[整寿]\r\n  "
      u8"恭贺%姓名%%寿%！\r\n\r\n[别的]\r\n不算\n[儿童]\n%姓名%%年龄%岁啦");
  const struct {
    const char* name;
    const char* text;
    const GreetingBook& book;
    AgeForm form;
    const char* greeting;
  } cases[] = {
      {"王奶奶", "1955年6月1日", BuiltInGreetings(), AgeForm::kFullYears,
       "祝王奶奶七十大寿快乐，福如东海，寿比南山！"},
      {"王奶奶", "1955年6月1日", BuiltInGreetings(), AgeForm::kNominal,
       "祝王奶奶71岁生日快乐，笑口常开，健康长寿！"},
      {"李明", "1993年6月1日", BuiltInGreetings(), AgeForm::kBoth,
       "祝李明32岁生日快乐，万事如意，心想事成！"},
      {"小明", "2015年6月1日", BuiltInGreetings(), AgeForm::kFullYears,
       "祝小明十岁整生日快乐，健康成长，天天开心！"},
      {"坏", "garbage", BuiltInGreetings(), AgeForm::kFullYears,
       "祝坏生日快乐，万事如意，心想事成！"},
      {"王奶奶", "1955年6月1日", own, AgeForm::kFullYears, "恭贺王奶奶七十大寿！"},
      {"小%年龄%", "2015年6月1日", own, AgeForm::kFullYears, "小%年龄%10岁啦"},
      {"李明", "1993年6月1日", own, AgeForm::kFullYears,
       "祝李明32岁生日快乐，万事如意，心想事成！"},
  };
  for (const auto& c : cases) {
    const Friend person{1, c.name, ReadBirthday(c.text, false), ""};
    EXPECT_EQ(GreetingFor(person, DayOf(2025, 5, 30), c.form, c.book), c.greeting) << c.name;
  }
  // The 称呼 in the name's place; a birthday without a year has no age to name.
  Friend mother{1, "王丽（妈妈）", ReadBirthday("1966年6月1日", false), ""};
  mother.calledAs = "妈妈";
  EXPECT_EQ(GreetingFor(mother, DayOf(2025, 5, 30), AgeForm::kFullYears, BuiltInGreetings()),
            "祝妈妈59岁生日快乐，工作顺利，前程似锦！");
  mother.birthday = ReadBirthday("6月1日", false);
  EXPECT_EQ(GreetingFor(mother, DayOf(2025, 5, 30), AgeForm::kFullYears, BuiltInGreetings()),
            "祝妈妈生日快乐，万事如意，心想事成！");
}

}  // namespace
}  // namespace memo
