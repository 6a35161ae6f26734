// Days until the next birthday, the lunar carrier operations and the upcoming-list texts.
#include "reckoning/next_birthday.h"

#include <gtest/gtest.h>

#include "datetime/clock.h"
#include "reckoning/age.h"
#include "reckoning/fallback_note.h"
#include "reckoning/lunar_carrier.h"

namespace memo {
namespace {

class ReckoningTest : public ::testing::Test {
 protected:
  ~ReckoningTest() override { SetClock(nullptr); }
  static void On(int year, int month, int day, int hour = 0) {
    FixClock(MakeDateTime(year, month, day, hour));
  }
};

TEST_F(ReckoningTest, SolarCounts) {
  On(2013, 5, 3, 15);  // the time of day does not count
  EXPECT_EQ(DaysUntilBirthday("1980年5月3日", false), 0);
  On(2013, 5, 2);
  EXPECT_EQ(DaysUntilBirthday("1980年5月3日", false), 1);
  On(2013, 5, 4);  // same month: still this year's birthday, already past
  EXPECT_EQ(DaysUntilBirthday("1980年5月3日", false), -1);
  On(2013, 6, 1);
  EXPECT_EQ(DaysUntilBirthday("1980年5月3日", false), 336);
  On(2013, 12, 31);
  EXPECT_EQ(DaysUntilBirthday("1980年1月1日", false), 1);
  EXPECT_EQ(DaysUntilBirthday("不是日期", false), 1);  // read as 1月1日
  On(2013, 2, 20);
  EXPECT_EQ(DaysUntilBirthday("1992年2月29日", false), 8);  // counted on 2月28日
  On(2012, 2, 20);
  EXPECT_EQ(DaysUntilBirthday("1992年2月29日", false), 9);
  On(9999, 12, 31);  // next year is out of range: no day exists, and the loop ends
  EXPECT_LT(DaysUntilBirthday("1980年1月1日", false), -365);
}

TEST_F(ReckoningTest, LunarCounts) {
  On(2013, 2, 1);  // lunar 2012, twelfth month: the next 1月1日 is 2013-02-10
  EXPECT_EQ(DaysUntilBirthday("1980年1月1日", true), 9);
  On(2013, 2, 20);  // lunar 2013-1-11: 1月5日 has passed this month
  EXPECT_EQ(DaysUntilBirthday("1980年1月5日", true), -6);
  On(2013, 6, 1);  // lunar 2013 month 4 has 29 days: day 30 falls on day 29, 2013-06-07
  EXPECT_EQ(DaysUntilBirthday("1980年4月30日", true), 6);
  // 2013 has no leap month: a leap birthday counts to the ordinary month, 2013-06-19.
  EXPECT_EQ(DaysUntilBirthday("1990年5月12日[闰月]", true), 18);
  EXPECT_EQ(DaysUntilBirthday("1990年5月12日", true), 18);
  On(2009, 6, 1);  // lunar 2009 has a leap fifth month
  EXPECT_EQ(DaysUntilBirthday("1990年5月12日", true), 3);
  EXPECT_EQ(DaysUntilBirthday("1990年5月12日[闰月]", true), 33);
  On(2012, 6, 10);  // in the leap fourth month of 2012 (29 days): day 30 falls on leap 29
  EXPECT_EQ(DaysUntilBirthday("1971年4月30日[闰月]", true), 8);
  EXPECT_EQ(DaysUntilBirthday("1971年4月30日", true), -21);

  // No conversion at all keeps the friend far from the upcoming list.
  On(2049, 6, 1);
  EXPECT_LT(DaysUntilBirthday("1980年5月3日", true), -365);
  // Lunar 2月29日 has no carrier in a year whose number is not a Gregorian leap year, yet
  // the day exists: a birthday on it, and a today on it, count like any other day.
  On(2013, 4, 9);  // lunar 2013-2-29; lunar 2013-5-3 is 2013-06-10
  EXPECT_EQ(DaysUntilBirthday("1980年5月3日", true), 62);
  On(2013, 3, 1);  // lunar 2013-1-20; lunar 2013-2-29 is 2013-04-09
  EXPECT_EQ(DaysUntilBirthday("2000年2月29日", true), 39);
  On(2025, 3, 25);  // lunar 2025-2-29 is 2025-03-28
  EXPECT_EQ(DaysUntilBirthday("1984年2月29日", true), 3);
}

TEST_F(ReckoningTest, LunarCarriers) {
  On(2012, 4, 15, 10);
  EXPECT_EQ(Today(), MakeDateTime(2012, 4, 15));
  EXPECT_EQ(TodayNow().solar, MakeDateTime(2012, 4, 15));
  EXPECT_EQ(LunarDateText(TodayNow().lunar), "2012年3月25日");
  On(2012, 6, 10);  // leap fourth month: the text drops the mark, the date keeps it
  EXPECT_EQ(LunarDateText(TodayNow().lunar), "2012年4月21日");
  EXPECT_TRUE(TodayNow().lunar.isLeapMonth);
  On(2012, 3, 21);
  EXPECT_EQ(LunarDateText(TodayNow().lunar), "2012年2月29日");
  On(2013, 4, 9);  // today's lunar date and its text need no carrier
  EXPECT_EQ(LunarDateText(TodayNow().lunar), "2013年2月29日");
  EXPECT_EQ(TodayLunarDate().day, 29);
  EXPECT_EQ(LunarToSolar(2013, 2, 29, false), MakeDateTime(2013, 4, 9));
  EXPECT_TRUE(LunarDateExists(2013, 2, 29, false));
  On(2049, 6, 1);
  EXPECT_EQ(LunarDateText(TodayNow().lunar), "100年1月1日");
  EXPECT_EQ(TodayLunarDate().year, 0);
  On(2023, 3, 21);
  EXPECT_EQ(LunarDateText(TodayNow().lunar), "2023年2月30日");
  for (DateTime outside : {MakeDateTime(1901, 1, 1), MakeDateTime(2049, 1, 1)}) {
    FixClock(outside);  // before the table, and after it
    EXPECT_EQ(TodayNow().lunar.year, 0);
  }

  const DateTime day30 = DateFromText("2013年4月30日");
  EXPECT_TRUE(LunarDateExists(DateFromText("2013年4月29日"), false));
  EXPECT_FALSE(LunarDateExists(day30, false));
  EXPECT_TRUE(LunarDateExists(DateFromText("2013年5月12日"), true));  // ordinary month taken
  EXPECT_FALSE(LunarDateExists(MinDateTime, false));

  EXPECT_EQ(LunarToSolar(DateFromText("2013年1月1日"), false), MakeDateTime(2013, 2, 10));
  EXPECT_EQ(LunarToSolar(day30, false), MakeDateTime(2013, 6, 7));
  EXPECT_EQ(LunarToSolar(day30, true), MakeDateTime(2013, 6, 7));
  EXPECT_EQ(LunarToSolar(DateFromText("2012年4月30日"), true), MakeDateTime(2012, 6, 18));
  // Lunar 1903 has an ordinary and a leap fifth month of 29 days each: an ordinary
  // birthday on day 30 falls on the ordinary day 29, never on the leap one (1903-07-23).
  EXPECT_EQ(LunarToSolar(DateFromText("1903年5月30日"), false), MakeDateTime(1903, 6, 24));
  EXPECT_EQ(LunarToSolar(DateFromText("1903年5月30日"), true), MakeDateTime(1903, 7, 23));
  EXPECT_EQ(LunarToSolar(MinDateTime, false), EmptyDateTime);
  EXPECT_EQ(LunarToSolar(DateFromText("2049年6月1日"), true), EmptyDateTime);
}

TEST_F(ReckoningTest, UpcomingListTexts) {
  EXPECT_EQ(NextBirthdayText("1990年5月12日[闰月]"), "5月12日[闰月]");
  EXPECT_EQ(NextBirthdayText("1980年12月31日"), "12月31日");
  EXPECT_EQ(NextBirthdayText("不是日期"), "1月1日");
  EXPECT_EQ(CountdownText(0), "今天生日");
  EXPECT_EQ(CountdownText(1), "明天生日");
  EXPECT_EQ(CountdownText(5), "还有5天过生日");
  EXPECT_EQ(CountdownText(-3), "还有-3天过生日");
}

TEST_F(ReckoningTest, FallbackNotes) {
  On(2013, 2, 20);
  EXPECT_TRUE(NoteIsDue("2月29日", false));
  EXPECT_EQ(FallbackNote("2月29日", false),
            "公历2013年2月29日不存在!该好友的生日以公历2013年2月28日为生日计算。");
  EXPECT_FALSE(NoteIsDue("6月30日", false));
  On(2012, 2, 20);
  EXPECT_FALSE(NoteIsDue("2月29日", false));
  EXPECT_FALSE(NoteIsDue("6月30日", false));

  On(2013, 6, 1);  // lunar 2013: month 4 has 29 days, no leap month
  EXPECT_TRUE(NoteIsDue("4月30日", true));
  EXPECT_EQ(FallbackNote("4月30日", true),
            "农历2013年4月30日不存在!该好友的生日以农历2013年4月29日为生日计算。");
  EXPECT_FALSE(NoteIsDue("5月30日", true));
  EXPECT_FALSE(NoteIsDue("5月12日[闰月]", true));  // counted on the ordinary month
  On(2013, 3, 1);  // lunar 2013-2-29 exists although it has no carrier
  EXPECT_FALSE(NoteIsDue("2月29日", true));
  On(2013, 6, 1);
  // Lunar 2月30日 never has a carrier; with a leap mark no day before converts either.
  EXPECT_TRUE(NoteIsDue("2月30日[闰月]", true));
  EXPECT_EQ(FallbackNote("2月30日[闰月]", true), "");

  On(2012, 6, 10);  // lunar 2012: leap fourth month of 29 days
  EXPECT_TRUE(NoteIsDue("4月30日[闰月]", true));
  EXPECT_EQ(FallbackNote("4月30日[闰月]", true),
            "农历2012年4月30日[闰月]不存在!该好友的生日以农历2012年4月29日[闰月]为生日计算。");
  EXPECT_FALSE(NoteIsDue("4月30日", true));
}

// A birthday read once from its text counts, names its day and explains a missing day as
// the stored text itself does.
TEST_F(ReckoningTest, ReadBirthdaysCountAsTheirTexts) {
  const char* texts[] = {"1980年5月3日",  "1980年4月30日",  "1990年5月12日[闰月]",
                         "1992年2月29日", "1980年1月1日",   "1971年4月30日[闰月]",
                         "1984年2月29日", "2000年12月31日", "1980年6月30日"};
  const DateTime days[] = {MakeDateTime(2013, 2, 20), MakeDateTime(2013, 6, 1),
                           MakeDateTime(2012, 6, 10), MakeDateTime(2013, 12, 31),
                           MakeDateTime(2025, 3, 25), MakeDateTime(2049, 6, 1)};
  for (DateTime day : days) {
    FixClock(day);
    for (const char* text : texts) {
      for (bool lunar : {false, true}) {
        if (!lunar && std::string(text).find(kLeapMonthMark) != std::string::npos) continue;
        const Birthday birthday = ReadBirthday(text, lunar);
        ASSERT_TRUE(birthday.ok()) << text;
        const std::string next = NextBirthdayText(text);
        EXPECT_EQ(DaysUntilBirthday(birthday, TodayNow()), DaysUntilBirthday(text, lunar)) << text;
        EXPECT_EQ(NextBirthdayText(birthday), next) << text;
        EXPECT_EQ(UpcomingNote(birthday, TodayNow()),
                  NoteIsDue(next, lunar) ? FallbackNote(next, lunar) : "")
            << text;
      }
    }
  }
}

TEST_F(ReckoningTest, StoredTextsReadOnce) {
  const struct {
    const char* text;
    bool lunar;
    int year, month, day;
    bool leap;
  } cases[] = {
      {"1980年5月3日", false, 1980, 5, 3, false},
      {"1990年5月12日[闰月]", true, 1990, 5, 12, true},
      {"100年1月1日", false, 100, 1, 1, false},
      {"１９８０年５月３日", false, 1980, 5, 3, false},
      {"1980-5-3", true, 1980, 5, 3, false},
      {"1980年5月3日[闰月]", false, 0, 0, 0, false},  // the mark is no solar date
      {"garbage", false, 0, 0, 0, false},
      {"", true, 0, 0, 0, false},
      {"2013年2月29日", false, 0, 0, 0, false},
      {"9999年12月31日23时59分59秒", false, 0, 0, 0, false},  // past the last date value
  };
  for (const auto& c : cases) {
    const Birthday birthday = ReadBirthday(c.text, c.lunar);
    EXPECT_EQ(birthday.text, c.text);
    EXPECT_EQ(birthday.lunar(), c.lunar);
    EXPECT_EQ(birthday.ok(), c.month != 0) << c.text;
    EXPECT_EQ(birthday.year, c.year) << c.text;
    EXPECT_EQ(birthday.month, c.month) << c.text;
    EXPECT_EQ(birthday.day, c.day) << c.text;
    EXPECT_EQ(birthday.leap, c.leap) << c.text;
  }
  EXPECT_EQ(BirthdayOn(MakeDateTime(2012, 6, 1), true, true).text, "2012年6月1日[闰月]");
  EXPECT_EQ(BirthdayOn(MakeDateTime(2012, 6, 1), false, true).text, "2012年6月1日");
}

TEST_F(ReckoningTest, Ages) {
  On(2012, 1, 1);  // lunar 2011
  EXPECT_EQ(AgeText(ReadBirthday("1980年12月31日", false), TodayNow()), "32岁");
  EXPECT_EQ(AgeText(ReadBirthday("1990年5月8日[闰月]", true), TodayNow()), "21岁");
  EXPECT_EQ(AgeText(ReadBirthday("garbage", false), TodayNow()), "");
  On(2049, 6, 1);  // beyond the lunar tables: lunar ages count from year 100
  EXPECT_EQ(AgeText(ReadBirthday("1990年5月8日", true), TodayNow()), "-1890岁");
}

}  // namespace
}  // namespace memo
