// The birthday being counted, as the upcoming pass shows it: the days to it, the age reached
// on it, and the note when its year lacks the day; over every lunar month of the tables and
// around the turn of the year.
#include <gtest/gtest.h>

#include "datetime/clock.h"
#include "reckoning/age.h"
#include "reckoning/lunar_days.h"
#include "report/upcoming_entries.h"

namespace memo {
namespace {

constexpr int kDaysAhead = 400;

class BirthdayOccurrence : public ::testing::Test {
 protected:
  ~BirthdayOccurrence() override { SetClock(nullptr); }
  static UpcomingEntry EntryOf(const Birthday& birthday) {
    const std::vector<UpcomingEntry> entries =
        UpcomingEntries({Friend{1, "甲", birthday, ""}}, TodayNow(), kDaysAhead);
    return entries.empty() ? UpcomingEntry{} : entries.front();
  }
};

// Birthdays on day 29 and day 30 of every lunar month whose day 29 converts, counted from
// the month's first day: day 30 falls on day 29 in a month of 29 days, and only then is the
// note due, naming that year.
TEST_F(BirthdayOccurrence, DaysTwentyNineAndThirtyOfEveryLunarMonth) {
  int shortMonths = 0, longMonths = 0;
  for (int year = 1901; year <= 2048; ++year) {
    for (int month = 1; month <= 12; ++month) {
      for (bool leap : {false, true}) {
        const int length = LunarMonthDays(year, month, leap);
        const DayNumber first = SolarDayOf(year, month, 1, leap);
        if (!first.ok() || !SolarDayOf(year, month, 29, leap).ok()) continue;
        ++(length == 29 ? shortMonths : longMonths);
        FixClock(DateTimeOf(first));
        const std::string at = std::to_string(year) + "年" + std::to_string(month) + "月";
        const std::string mark = leap ? "[闰月]" : "";
        for (int day : {29, 30}) {
          const UpcomingEntry entry = EntryOf(BirthdayOf(true, year - 20, month, day, leap));
          const bool missing = day > length;
          EXPECT_EQ(entry.days, (missing ? length : day) - 1) << at << day << mark;
          EXPECT_EQ(entry.age, "20岁") << at << day << mark;
          EXPECT_EQ(entry.note, missing
                                    ? "农历" + at + "30日" + mark + "不存在!该好友的生日以农历" +
                                          at + "29日" + mark + "为生日计算。"
                                    : "")
              << at << day << mark;
        }
      }
    }
  }
  EXPECT_GT(shortMonths, 800);
  EXPECT_GT(longMonths, 800);
}

TEST_F(BirthdayOccurrence, AroundTheTurnOfTheYear) {
  const struct {
    int year, month, day;  // today
    const char* birthday;
    bool lunar;
    int days;
    const char *age, *listAge, *note;
  } cases[] = {
      // Past February the count goes to next year's 2月29日, and the note follows it.
      {2026, 10, 5, "2000年2月29日", false, 146, "27岁", "26岁",
       "公历2027年2月29日不存在!该好友的生日以公历2027年2月28日为生日计算。"},
      {2027, 6, 1, "2000年2月29日", false, 273, "28岁", "27岁", ""},
      {2027, 12, 31, "2000年2月29日", false, 60, "28岁", "27岁", ""},
      {2028, 1, 1, "2000年2月29日", false, 59, "28岁", "27岁", ""},
      {2029, 1, 15, "2000年2月29日", false, 44, "29岁", "28岁",
       "公历2029年2月29日不存在!该好友的生日以公历2029年2月28日为生日计算。"},
      {2026, 12, 28, "1995年1月16日", false, 19, "32岁", "31岁", ""},
      // Lunar 四月 has 29 days in 2026 and 30 in 2027.
      {2026, 5, 1, "1990年4月30日", true, 44, "36岁", "35岁",
       "农历2026年4月30日不存在!该好友的生日以农历2026年4月29日为生日计算。"},
      {2026, 6, 15, "1990年4月30日", true, 354, "37岁", "36岁", ""},
      {2027, 2, 5, "1990年4月30日", true, 119, "37岁", "36岁", ""},
      {2027, 2, 6, "1990年4月30日", true, 118, "37岁", "36岁", ""},
      // 腊月三十 on the last day of a 腊月 of 29 days (lunar 2026-12-29), then on new year's day.
      {2027, 2, 5, "1990年12月30日", true, 0, "36岁", "36岁",
       "农历2026年12月30日不存在!该好友的生日以农历2026年12月29日为生日计算。"},
      {2027, 2, 6, "1990年12月30日", true, 353, "37岁", "36岁",
       "农历2027年12月30日不存在!该好友的生日以农历2027年12月29日为生日计算。"},
  };
  for (const auto& c : cases) {
    FixClock(MakeDateTime(c.year, c.month, c.day));
    const Birthday birthday = ReadBirthday(c.birthday, c.lunar);
    const UpcomingEntry entry = EntryOf(birthday);
    const std::string at = std::to_string(c.year) + "-" + std::to_string(c.month) + "-" +
                           std::to_string(c.day) + " " + c.birthday;
    EXPECT_EQ(entry.days, c.days) << at;
    EXPECT_EQ(entry.age, c.age) << at;
    EXPECT_EQ(AgeText(birthday, TodayNow()), c.listAge) << at;
    EXPECT_EQ(entry.note, c.note) << at;
  }
}

}  // namespace
}  // namespace memo
