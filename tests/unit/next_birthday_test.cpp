// Days until the next birthday, today's dates, the lunar days, the upcoming-list texts, the
// fallback notes and the ages.
#include "reckoning/next_birthday.h"

#include <gtest/gtest.h>

#include "datetime/clock.h"
#include "reckoning/age.h"
#include "reckoning/birth_signs.h"
#include "reckoning/birthday_words.h"
#include "reckoning/fallback_note.h"
#include "reckoning/lunar_days.h"
#include "reckoning/today.h"

namespace memo {
namespace {

class ReckoningTest : public ::testing::Test {
 protected:
  ~ReckoningTest() override { SetClock(nullptr); }
  static void On(int year, int month, int day, int hour = 0) {
    FixClock(MakeDateTime(year, month, day, hour));
  }
  // -1000000 for a birthday that never comes.
  static int Days(const std::string& text, bool lunar) {
    return DaysUntilBirthday(ReadBirthday(text, lunar), TodayNow()).value_or(-1000000);
  }
  // "due" and the note for a month-day text, or "not due".
  static std::string Note(const std::string& monthDay, bool lunar) {
    const std::optional<std::string> note =
        FallbackNote(ReadBirthday("2000年" + monthDay, lunar), TodayNow());
    return note ? "due " + *note : "not due";
  }
};

TEST_F(ReckoningTest, SolarCounts) {
  On(2013, 5, 3, 15);  // the time of day does not count
  EXPECT_EQ(Days("1980年5月3日", false), 0);
  On(2013, 5, 2);
  EXPECT_EQ(Days("1980年5月3日", false), 1);
  On(2013, 5, 4);  // same month: still this year's birthday, already past
  EXPECT_EQ(Days("1980年5月3日", false), -1);
  On(2013, 6, 1);
  EXPECT_EQ(Days("1980年5月3日", false), 336);
  On(2013, 12, 31);
  EXPECT_EQ(Days("1980年1月1日", false), 1);
  On(2013, 2, 20);
  EXPECT_EQ(Days("1992年2月29日", false), 8);  // counted on 2月28日
  On(2012, 2, 20);
  EXPECT_EQ(Days("1992年2月29日", false), 9);
  On(9999, 12, 31);  // next year is out of range: no day exists, and the loop ends
  EXPECT_LT(Days("1980年1月1日", false), -365);
}

TEST_F(ReckoningTest, LunarCounts) {
  On(2013, 2, 1);  // lunar 2012, twelfth month: the next 1月1日 is 2013-02-10
  EXPECT_EQ(Days("1980年1月1日", true), 9);
  On(2013, 2, 20);  // lunar 2013-1-11: 1月5日 has passed this month
  EXPECT_EQ(Days("1980年1月5日", true), -6);
  On(2013, 6, 1);  // lunar 2013 month 4 has 29 days: day 30 falls on day 29, 2013-06-07
  EXPECT_EQ(Days("1980年4月30日", true), 6);
  // 2013 has no leap month: a leap birthday counts to the ordinary month, 2013-06-19.
  EXPECT_EQ(Days("1990年5月12日[闰月]", true), 18);
  EXPECT_EQ(Days("1990年5月12日", true), 18);
  On(2009, 6, 1);  // lunar 2009 has a leap fifth month
  EXPECT_EQ(Days("1990年5月12日", true), 3);
  EXPECT_EQ(Days("1990年5月12日[闰月]", true), 33);
  On(2012, 6, 10);  // in the leap fourth month of 2012 (29 days): day 30 falls on leap 29
  EXPECT_EQ(Days("1971年4月30日[闰月]", true), 8);
  EXPECT_EQ(Days("1971年4月30日", true), -21);

  // No conversion at all keeps the friend far from the upcoming list.
  On(2049, 6, 1);
  EXPECT_LT(Days("1980年5月3日", true), -365);
  // Days that no Gregorian date text can carry count like any other: a today on lunar
  // 2013-2-29, and birthdays on 2月29日 and 2月30日.
  On(2013, 4, 9);  // lunar 2013-2-29; lunar 2013-5-3 is 2013-06-10
  EXPECT_EQ(Days("1980年5月3日", true), 62);
  On(2013, 3, 1);  // lunar 2013-1-20; lunar 2013-2-29 is 2013-04-09
  EXPECT_EQ(Days("2000年2月29日", true), 39);
  On(2025, 3, 25);  // lunar 2025-2-29 is 2025-03-28
  EXPECT_EQ(Days("1984年2月29日", true), 3);
  On(2004, 3, 1);  // lunar 2004 二月三十 is 2004-03-20
  EXPECT_EQ(Days("1931年2月30日", true), 19);
}

TEST_F(ReckoningTest, TodayAndLunarDays) {
  On(2012, 4, 15, 10);
  EXPECT_EQ(Today(), MakeDateTime(2012, 4, 15));
  EXPECT_EQ(TodayNow().solar, MakeDateTime(2012, 4, 15));
  EXPECT_EQ(LunarDateText(TodayNow().lunar), "2012年3月25日");
  On(2012, 6, 10);  // leap fourth month: the text drops the mark, the date keeps it
  EXPECT_EQ(LunarDateText(TodayNow().lunar), "2012年4月21日");
  EXPECT_TRUE(TodayNow().lunar->isLeapMonth);
  On(2012, 3, 21);
  EXPECT_EQ(LunarDateText(TodayNow().lunar), "2012年2月29日");
  On(2013, 4, 9);  // today's lunar date and its text are the engine's numbers
  EXPECT_EQ(LunarDateText(TodayNow().lunar), "2013年2月29日");
  EXPECT_EQ(TodayNow().lunar->day, 29);
  EXPECT_EQ(LunarToSolar(2013, 2, 29, false), DayNumber::FromCivil(2013, 4, 9));
  EXPECT_TRUE(LunarDateExists(2013, 2, 29, false));
  On(2049, 6, 1);
  EXPECT_EQ(LunarDateText(TodayNow().lunar), "100年1月1日");
  EXPECT_FALSE(TodayNow().lunar);
  On(2023, 3, 21);
  EXPECT_EQ(LunarDateText(TodayNow().lunar), "2023年2月30日");
  for (DateTime outside : {MakeDateTime(1901, 1, 1), MakeDateTime(2049, 1, 1)}) {
    FixClock(outside);  // before the table, and after it
    EXPECT_FALSE(TodayNow().lunar);
  }

  EXPECT_TRUE(LunarDateExists(2013, 4, 29, false));
  EXPECT_FALSE(LunarDateExists(2013, 4, 30, false));
  EXPECT_TRUE(LunarDateExists(2013, 5, 12, true));  // ordinary month taken
  EXPECT_FALSE(LunarDateExists(100, 1, 1, false));

  EXPECT_EQ(LunarToSolar(2013, 1, 1, false), DayNumber::FromCivil(2013, 2, 10));
  EXPECT_EQ(LunarToSolar(2013, 4, 30, false), DayNumber::FromCivil(2013, 6, 7));
  EXPECT_EQ(LunarToSolar(2013, 4, 30, true), DayNumber::FromCivil(2013, 6, 7));
  EXPECT_EQ(LunarToSolar(2012, 4, 30, true), DayNumber::FromCivil(2012, 6, 18));
  // Lunar 1903 has an ordinary and a leap fifth month of 29 days each: an ordinary
  // birthday on day 30 falls on the ordinary day 29, never on the leap one (1903-07-23).
  EXPECT_EQ(LunarToSolar(1903, 5, 30, false), DayNumber::FromCivil(1903, 6, 24));
  EXPECT_EQ(LunarToSolar(1903, 5, 30, true), DayNumber::FromCivil(1903, 7, 23));
  EXPECT_FALSE(LunarToSolar(100, 1, 1, false).ok());
  EXPECT_FALSE(LunarToSolar(2049, 6, 1, true).ok());
}

// A date entered must exist; the other calendar's day of a date exists only for such dates
// that the engine converts.
TEST_F(ReckoningTest, EnteredLunarDatesAndTheOtherCalendarsDay) {
  const struct {
    int year, month, day;
    bool leap, entered;
    const char* solar;  // "" when there is none
  } cases[] = {
      {2004, 2, 30, false, true, "2004年3月20日"},
      {2023, 2, 29, true, true, "2023年4月19日"},
      {2023, 2, 30, true, false, ""},
      {2024, 2, 29, true, false, ""},  // 2024 has no leap month
      {2013, 4, 30, false, false, ""},
      {1901, 1, 1, false, true, "1901年2月19日"},
      {1900, 12, 1, false, false, ""},
      {2049, 1, 1, false, false, ""},
      {2048, 12, 1, false, true, ""},  // in the tables, but past the last solar day
  };
  for (const auto& c : cases) {
    const DayNumber solar = SolarDayOf(c.year, c.month, c.day, c.leap);
    EXPECT_EQ(solar.ok() ? DateToText(DateTimeOf(solar)) : "", c.solar) << c.year << "-" << c.month;
    EXPECT_EQ(IsLunarDate(c.year, c.month, c.day, c.leap), c.entered) << c.year << "-" << c.month;
    if (!solar.ok()) continue;
    const std::optional<LunarDate> back = LunarFromSolar(solar);
    ASSERT_TRUE(back);
    EXPECT_EQ(std::vector<int>({back->year, back->month, back->day, back->isLeapMonth}),
              std::vector<int>({c.year, c.month, c.day, c.leap}));
  }
  EXPECT_FALSE(LunarFromSolar(DayNumberOf(MakeDateTime(1901, 2, 18))));
  EXPECT_FALSE(LunarFromSolar(DayNumberOf(MakeDateTime(2049, 1, 1))));
}

TEST_F(ReckoningTest, UpcomingListTexts) {
  EXPECT_EQ(NextBirthdayText(ReadBirthday("1990年5月12日[闰月]", true)), "5月12日[闰月]");
  EXPECT_EQ(NextBirthdayText(ReadBirthday("1980年12月31日", false)), "12月31日");
  EXPECT_EQ(NextBirthdayText(ReadBirthday("2004年2月30日", true)), "2月30日");
  EXPECT_EQ(CountdownText(0), "今天生日");
  EXPECT_EQ(CountdownText(1), "明天生日");
  EXPECT_EQ(CountdownText(5), "还有5天过生日");
  EXPECT_EQ(CountdownText(-3), "还有-3天过生日");
}

TEST_F(ReckoningTest, FallbackNotes) {
  On(2013, 2, 20);
  EXPECT_EQ(Note("2月29日", false),
            "due 公历2013年2月29日不存在!该好友的生日以公历2013年2月28日为生日计算。");
  EXPECT_EQ(Note("6月30日", false), "not due");
  On(2012, 2, 20);
  EXPECT_EQ(Note("2月29日", false), "not due");
  EXPECT_EQ(Note("6月30日", false), "not due");

  On(2013, 6, 1);  // lunar 2013: month 4 has 29 days, no leap month
  EXPECT_EQ(Note("4月30日", true),
            "due 农历2013年4月30日不存在!该好友的生日以农历2013年4月29日为生日计算。");
  EXPECT_EQ(Note("5月30日", true), "not due");
  EXPECT_EQ(Note("5月12日[闰月]", true), "not due");  // counted on the ordinary month
  // Past the second month: next year's 二月 is counted, and lunar 2014 has its day 30.
  EXPECT_EQ(Note("2月30日[闰月]", true), "not due");
  On(2013, 3, 1);  // lunar 2013-1-20: this year's 二月 has 29 days
  EXPECT_EQ(Note("2月29日", true), "not due");
  EXPECT_EQ(Note("2月30日", true),
            "due 农历2013年2月30日不存在!该好友的生日以农历2013年2月29日为生日计算。");

  On(2012, 6, 10);  // lunar 2012: leap fourth month of 29 days
  EXPECT_EQ(Note("4月30日[闰月]", true),
            "due 农历2012年4月30日[闰月]不存在!该好友的生日以农历2012年4月29日[闰月]为生日计算。");
  EXPECT_EQ(Note("4月30日", true), "not due");
  On(2049, 6, 1);  // beyond the tables no day converts, not even the day before
  EXPECT_EQ(Note("4月30日[闰月]", true), "due ");
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
      // Lunar texts are read by their numbers, whatever the year.
      {"2013年2月29日", true, 2013, 2, 29, false},
      {"1980年2月30日", true, 1980, 2, 30, false},
      {"2023/2/30[闰月]", true, 2023, 2, 30, true},
      {"２００４年２月３０日", true, 2004, 2, 30, false},
      {"50年12月1日8时", true, 50, 12, 1, false},
      {"1980年2月31日", true, 0, 0, 0, false},
      {"1980年13月1日", true, 0, 0, 0, false},
      {"1980年2月0日", true, 0, 0, 0, false},
      // Month and day alone: a birthday without a year.
      {"5月1日", false, 0, 5, 1, false},
      {"2月29日", false, 0, 2, 29, false},
      {"2月30日", false, 0, 0, 0, false},
      {"12月8日", true, 0, 12, 8, false},
      {"2月30日", true, 0, 2, 30, false},
      {"4月15日[闰月]", true, 0, 4, 15, true},
      {"13月1日", true, 0, 0, 0, false},
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
  EXPECT_EQ(BirthdayOf(true, 2012, 6, 1, true).text, "2012年6月1日[闰月]");
  EXPECT_EQ(BirthdayOf(false, 2012, 6, 1, true).text, "2012年6月1日");
  EXPECT_EQ(BirthdayOf(true, 2004, 2, 30, false).text, "2004年2月30日");
  EXPECT_EQ(BirthdayOf(true, 0, 4, 15, true).text, "4月15日[闰月]");
  EXPECT_EQ(BirthdayOf(false, 0, 5, 1, false).text, "5月1日");
}

// Counted and upcoming like any other, without an age, 生肖 or (for a lunar one) 星座.
TEST_F(ReckoningTest, BirthdaysWithoutAYear) {
  On(2012, 4, 28);  // lunar 2012-04-08
  const struct {
    const char* text;
    bool lunar;
    int days;
    const char *words, *zodiac, *starSign;
  } cases[] = {
      {"5月1日", false, 3, "5月1日", "", "金牛座"},
      {"2月29日", false, 306, "2月29日", "", "双鱼座"},  // 2013-02-28
      {"4月15日", true, 7, "四月十五", "", ""},
      {"4月15日[闰月]", true, 37, "闰四月十五", "", ""},
      {"12月8日", true, 266, "腊月初八", "", ""},  // 2013-01-19
  };
  for (const auto& c : cases) {
    const Birthday birthday = ReadBirthday(c.text, c.lunar);
    EXPECT_EQ(Days(c.text, c.lunar), c.days) << c.text;
    EXPECT_EQ(BirthdayWords(birthday), c.words) << c.text;
    EXPECT_EQ(ZodiacOfBirth(birthday), c.zodiac) << c.text;
    EXPECT_EQ(StarSignOfBirth(birthday), c.starSign) << c.text;
    EXPECT_EQ(AgeText(birthday, TodayNow(), AgeForm::kBoth), kNoAge) << c.text;
    EXPECT_EQ(OccurrenceAgeText(birthday, TodayNow()), kNoAge) << c.text;
  }
}

TEST_F(ReckoningTest, Ages) {
  On(2012, 1, 1);  // lunar 2011
  EXPECT_EQ(AgeText(ReadBirthday("1980年12月31日", false), TodayNow()), "31岁");
  EXPECT_EQ(AgeText(ReadBirthday("1990年5月8日[闰月]", true), TodayNow()), "21岁");
  EXPECT_EQ(AgeText(ReadBirthday("1980年2月30日", true), TodayNow()), "31岁");
  EXPECT_EQ(AgeText(ReadBirthday("garbage", false), TodayNow()), "");
  EXPECT_EQ(OccurrenceAgeText(ReadBirthday("garbage", false), TodayNow()), "");
  On(2049, 6, 1);  // beyond the lunar tables: lunar ages count from year 100
  EXPECT_EQ(AgeText(ReadBirthday("1990年5月8日", true), TodayNow()), "-1890岁");
}

}  // namespace
}  // namespace memo
