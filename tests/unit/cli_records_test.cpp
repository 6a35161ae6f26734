// The reckoning and friend-list commands of the command-line tool, on a folder filled
// with its own add command. The tool reads and prints UTF-8, hence the u8 literals.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <algorithm>

#include "cli_runner.h"
#include "datetime/clock.h"
#include "reckoning/fallback_note.h"
#include "reckoning/next_birthday.h"
#include "temp_folder.h"
#include "text/text_codec.h"

namespace memo {
namespace {

using testing::RunCli;

TEST(CliReckoning, CountsTextsAndNotes) {
  EXPECT_EQ(RunCli(u8"--today 2013-05-02 days 1980年5月3日").out, "1\n");
  EXPECT_EQ(RunCli(u8"--today 2013-02-01 days 1980年1月1日 --lunar").out, "9\n");
  EXPECT_EQ(RunCli(u8"--today 2013-02-20 days 1992年2月29日").out, "8\n");
  // Many texts at once, a count a line; lunar 二月三十 counts as the day it is.
  EXPECT_EQ(RunCli(u8"--today 2004-03-01 days 1931年2月30日 2004年2月29日 --lunar").out,
            "19\n18\n");
  EXPECT_EQ(RunCli(u8"next 1990年5月12日[闰月]").out, u8"5月12日[闰月]\n");
  EXPECT_EQ(RunCli(u8"next 2004年2月30日 --lunar").out, u8"2月30日\n");
  EXPECT_EQ(RunCli(u8"next 不是日期").out, u8"1月1日\n");
  // The note speaks of the birthday being counted: in October, next year's 2月29日.
  EXPECT_EQ(RunCli(u8"--today 2026-10-05 note 2月29日").out,
            u8"due\t公历2027年2月29日不存在!该好友的生日以公历2027年2月28日为生日计算。\n");
  EXPECT_EQ(RunCli(u8"--today 2027-06-01 note 2月29日").out, "not due\n");
  EXPECT_EQ(RunCli(u8"--today 1932-01-31 note 2月30日 --lunar").out, "not due\n");
  EXPECT_EQ(RunCli("countdown 0").out, u8"今天生日\n");
  EXPECT_EQ(RunCli("countdown 5").out, u8"还有5天过生日\n");
  EXPECT_EQ(RunCli("countdown five").exitCode, 2);
  EXPECT_EQ(RunCli(u8"--today 2013-02-20 note 2月29日").out,
            u8"due\t公历2013年2月29日不存在!该好友的生日以公历2013年2月28日为生日计算。\n");
  EXPECT_EQ(RunCli(u8"--today 2012-02-20 note 2月29日").out, "not due\n");
  EXPECT_EQ(RunCli(u8"--today 2013-06-01 note 4月30日 --lunar").out,
            u8"due\t农历2013年4月30日不存在!该好友的生日以农历2013年4月29日为生日计算。\n");
  for (const char* noMonthDay : {"1e300", u8"5月", u8"13月1日", u8"5月0日", "abc"}) {
    EXPECT_EQ(RunCli(std::string("note ") + noMonthDay).exitCode, 2) << noMonthDay;
  }
  EXPECT_EQ(RunCli("days").exitCode, 2);
}

// The tool reckons as the program does: on days around the year, its counts, month-day texts
// and notes of stored texts of either calendar are the core's.
TEST(CliReckoning, AgreesWithTheProgram) {
  const char* texts[] = {"1980年5月3日",  "1980年4月30日",  "1990年5月12日[闰月]",
                         "1992年2月29日", "1980年1月1日",   "1971年4月30日[闰月]",
                         "1984年2月29日", "2000年12月31日", "1980年6月30日",
                         "2004年2月30日"};
  const char* days[] = {"2013-02-20", "2013-06-01", "2012-06-10",
                        "2013-12-31", "2025-03-25", "2049-06-01"};
  for (bool lunar : {false, true}) {
    const std::string flag = lunar ? " --lunar" : "";
    for (const char* day : days) {
      FixClock(DateTimeOf(ParseIsoDate(day)));
      const TodayDates today = TodayNow();
      std::string arguments, monthDays, counts, nexts, notes;
      for (const char* text : texts) {
        const Birthday birthday = ReadBirthday(text, lunar);
        if (!birthday.ok()) continue;  // the mark, or 二月三十, in a solar text
        arguments += " '" + Gb18030ToUtf8(text) + "'";
        monthDays += " '" + Gb18030ToUtf8(NextBirthdayText(birthday)) + "'";
        // The tool prints a birthday that never comes as the count back to 1899-12-30.
        const int never = static_cast<int>(-today.solar);
        counts += std::to_string(DaysUntilBirthday(birthday, today).value_or(never)) + "\n";
        nexts += Gb18030ToUtf8(NextBirthdayText(birthday)) + "\n";
        const std::optional<std::string> note = FallbackNote(birthday, today);
        notes += (note ? "due\t" + Gb18030ToUtf8(*note) : "not due") + "\n";
      }
      const std::string on = std::string("--today ") + day;
      EXPECT_EQ(RunCli(on + " days" + arguments + flag).out, counts) << day << flag;
      EXPECT_EQ(RunCli(on + " note" + monthDays + flag).out, notes) << day << flag;
      if (day == days[0]) {
        EXPECT_EQ(RunCli("next" + arguments + flag).out, nexts) << flag;
      }
    }
  }
  SetClock(nullptr);
}

TEST(CliRecords, FriendListUpcomingListPageAndDeletion) {
  testing::TempFolder folder;
  const std::string db = " --db " + folder.path() + " ";
  const std::string today = "--today 2013-04-30 ";
  auto add = RunCli(today + "add" + db + u8"甲 1980年5月3日 solar 123");
  EXPECT_EQ(add.exitCode, 0);
  EXPECT_EQ(add.out, u8"甲\t1980年5月3日\t公历\t32岁\t猴\t金牛座\t123\n");
  RunCli(today + "add" + db + u8"王五 1990年5月8日[闰月] lunar");
  RunCli(today + "add" + db + u8"'<b>' 1980年4月30日 solar 'a&b'");
  RunCli(today + "add" + db + u8"乙 1980年5月10日 lunar");
  EXPECT_EQ(RunCli(today + "add" + db + u8"丙 1980年2月30日 solar").exitCode, 2);
  EXPECT_EQ(RunCli(today + "add" + db + u8"丙 1980年2月3日 both").exitCode, 2);

  EXPECT_EQ(RunCli(today + "list" + db).out,
            u8"甲\t1980年5月3日\t公历\t32岁\t猴\t金牛座\t123\n"
            u8"王五\t1990年闰五月初八\t农历\t22岁\t马\t巨蟹座\t\n"
            u8"<b>\t1980年4月30日\t公历\t33岁\t猴\t金牛座\ta&b\n"
            u8"乙\t1980年五月初十\t农历\t32岁\t猴\t巨蟹座\t\n");
  // 虚岁: lunar 2013 − lunar 1980 + 1.
  const std::string both = RunCli(today + "list" + db + u8"--age 两者").out;
  EXPECT_EQ(both.substr(0, both.find('\n')),
            u8"甲\t1980年5月3日\t公历\t32岁（虚岁34）\t猴\t金牛座\t123");
  EXPECT_EQ(RunCli(today + "list" + db + "--age 3").exitCode, 2);
  const auto sorted = RunCli(today + "list" + db + "--sort 1");
  EXPECT_EQ(sorted.out.substr(0, sorted.out.find('\n')),
            u8"<b>\t1980年4月30日\t公历\t33岁\t猴\t金牛座\ta&b");
  // --numbers: the rows that delete and greeting take (stored order), however the list is shown.
  const auto numbered = RunCli(today + "list" + db + "--sort 1 --numbers");
  EXPECT_EQ(numbered.out.substr(0, numbered.out.find('\n')),
            u8"2\t<b>\t1980年4月30日\t公历\t33岁\t猴\t金牛座\ta&b");
  EXPECT_EQ(RunCli(today + "list" + db + u8"--numbers --find 乙").out,
            u8"3\t乙\t1980年五月初十\t农历\t32岁\t猴\t巨蟹座\t\n");

  // Lunar 2013-5-8 and 5-10 are 2013-06-15 and 06-17, 46 and 48 days away; the upcoming
  // list goes by days.
  EXPECT_EQ(RunCli(today + "upcoming" + db).out,
            u8"<b>\t4月30日\t公历\t33岁\ta&b\t今天生日\n"
            u8"甲\t5月3日\t公历\t33岁\t123\t还有3天过生日\n");
  EXPECT_EQ(RunCli(today + "upcoming" + db + "--days 50").out,
            u8"<b>\t4月30日\t公历\t33岁\ta&b\t今天生日\n"
            u8"甲\t5月3日\t公历\t33岁\t123\t还有3天过生日\n"
            u8"王五\t闰五月初八（6月15日）\t农历\t23岁\t\t还有46天过生日\n"
            u8"乙\t五月初十（6月17日）\t农历\t33岁\t\t还有48天过生日\n");
  EXPECT_FALSE(std::filesystem::exists(folder.path() + u8"/最近生日.html"));

  auto report = RunCli(today + "report" + db);
  EXPECT_EQ(report.exitCode, 0);
  EXPECT_EQ(report.out, u8"最近有2人将要过生日：\n<b>：  今天生日\n甲还有3天过生日\n");
  const std::string page = testing::ReadFileBytes(folder.path() + u8"/最近生日.html");
  EXPECT_NE(page.find("<body>\r\n<FONT color=#ff0000 size=2>"), std::string::npos);
  EXPECT_NE(page.find("&lt;b&gt;(33"), std::string::npos);
  RunCli(today + "report" + db + "--days 50 --out " + folder.File("page.html"));
  EXPECT_GT(testing::ReadFileBytes(folder.File("page.html")).size(), page.size());

  EXPECT_EQ(RunCli(today + "delete" + db + "2 0").exitCode, 0);
  EXPECT_EQ(RunCli(today + "list" + db).out,
            u8"王五\t1990年闰五月初八\t农历\t22岁\t马\t巨蟹座\t\n"
            u8"乙\t1980年五月初十\t农历\t32岁\t猴\t巨蟹座\t\n");
  EXPECT_EQ(RunCli(today + "delete" + db + "2").exitCode, 1);
  EXPECT_EQ(RunCli(today + "delete" + db + "x").exitCode, 2);
  EXPECT_EQ(RunCli("list --db").exitCode, 2);
}

TEST(CliRecords, ZodiacAgeFormsAndGreetings) {
  EXPECT_EQ(RunCli(u8"zodiac 2024年2月9日 2024年2月10日 garbage").out,
            u8"兔\t水瓶座\n龙\t水瓶座\n\t\n");
  EXPECT_EQ(RunCli(u8"zodiac --lunar 2023年12月30日").out, u8"兔\t水瓶座\n");
  EXPECT_EQ(RunCli("zodiac").exitCode, 2);

  testing::TempFolder folder;
  const std::string db = " --db " + folder.path() + " ";
  const std::string today = "--today 2025-05-30 ";
  RunCli(today + "add" + db + u8"王奶奶 1955年6月1日 solar");
  EXPECT_EQ(RunCli(today + "upcoming" + db + u8"--age 虚岁").out,
            u8"王奶奶\t6月1日\t公历\t虚岁71\t\t还有2天过生日\n");
  EXPECT_EQ(RunCli(today + "report" + db).out,
            u8"最近有1人将要过生日：\n王奶奶还有2天过生日（七十大寿）\n");
  EXPECT_EQ(RunCli(today + "greeting" + db + "0").out,
            u8"祝王奶奶七十大寿快乐，福如东海，寿比南山！\n");
  testing::WriteFileBytes(folder.File(u8"祝福语.txt"), u8"[整寿]\n%姓名%，%寿%！\n");
  EXPECT_EQ(RunCli(today + "greeting" + db + "0").out, u8"王奶奶，七十大寿！\n");
  EXPECT_EQ(RunCli(today + "greeting" + db + "1").exitCode, 1);
  EXPECT_EQ(RunCli(today + "greeting" + db + "x").exitCode, 2);
}

TEST(CliRecords, FolderWithoutADatabaseFile) {
  testing::TempFolder folder;
  const std::string foreign = "not a database, but somebody's file" + std::string(600, '.');
  testing::WriteFileBytes(folder.File("config.mdb"), foreign);
  EXPECT_EQ(RunCli("list --db " + folder.path()).exitCode, 1);
  const auto add = RunCli("add --db " + folder.path() + u8" 甲 1980年5月3日 solar");
  EXPECT_EQ(add.exitCode, 1);
  EXPECT_EQ(add.out, "");
  EXPECT_EQ(testing::ReadFileBytes(folder.File("config.mdb")), foreign);
  EXPECT_EQ(RunCli("list --db " + folder.File("missing")).exitCode, 1);
}

TEST(CliRecords, AddTakesEveryDateAndPrintsOnlyWhatItStored) {
  testing::TempFolder folder;
  const std::string add = "--today 2013-04-30 add --db " + folder.path() + " ";
  const auto first = RunCli(add + u8"甲 100年1月1日 solar");
  EXPECT_EQ(first.exitCode, 0);
  EXPECT_EQ(first.out, u8"甲\t100年1月1日\t公历\t1913岁\t\t摩羯座\t\n");
  EXPECT_EQ(RunCli(add + u8"乙 9999年12月31日 solar").exitCode, 0);
  const auto late = RunCli(add + u8"丙 9999年12月31日23时59分59秒 solar");
  EXPECT_EQ(late.exitCode, 2);
  EXPECT_EQ(late.out, "");

  // A table that refuses the friend: nothing is printed.
  if (!testing::TempFolder::MakeReadOnly(folder.File("config.mdb"))) GTEST_SKIP();
  const auto refused = RunCli(add + u8"丁 1980年5月3日 solar");
  EXPECT_EQ(refused.exitCode, 1);
  EXPECT_EQ(refused.out, "");
}

// A lunar text is stored when its day exists in lunar 1901..2048, the leap mark only on
// that year's leap month; else nothing is stored and the tool ends with 2. The row shows
// the stored date in lunar words.
TEST(CliRecords, AddTakesEveryLunarDayThatExists) {
  testing::TempFolder folder;
  const std::string add = "--today 2024-06-01 add --db " + folder.path() + " ";
  const struct {
    const char* text;
    const char* stored;  // nullptr: refused
  } cases[] = {
      {u8"2004年2月30日", u8"2004年二月三十"},
      {u8"'2023年2月29日[闰月]'", u8"2023年闰二月廿九"},
      {u8"２００４年２月３０日", u8"2004年二月三十"},
      {u8"1931-2-30", u8"1931年二月三十"},
      {u8"2024年2月30日", u8"2024年二月三十"},
      {u8"2023年2月30日", u8"2023年二月三十"},
      {u8"1901年1月1日", u8"1901年正月初一"},
      {u8"2013年4月30日", nullptr},  // 四月 of lunar 2013 has 29 days
      {u8"'2023年2月30日[闰月]'", nullptr},
      {u8"'2024年2月29日[闰月]'", nullptr},  // 2024 has no leap month
      {u8"'2023年3月1日[闰月]'", nullptr},
      {u8"1900年12月1日", nullptr},
      {u8"2049年1月1日", nullptr},
      {u8"2004年2月31日", nullptr},
      {u8"garbage", nullptr},
  };
  int stored = 0;
  for (const auto& c : cases) {
    const auto result = RunCli(add + u8"甲 " + c.text + " lunar");
    EXPECT_EQ(result.exitCode, c.stored ? 0 : 2) << c.text;
    if (c.stored) {
      ++stored;
      EXPECT_EQ(result.out.substr(0, result.out.find(u8"\t农历")), std::string(u8"甲\t") + c.stored)
          << c.text;
    }
  }
  const auto list = RunCli("list --db " + folder.path());
  EXPECT_EQ(std::count(list.out.begin(), list.out.end(), '\n'), stored);
}

// A stored birthday that reads as no date is listed, without an age, and never upcoming;
// the commands on a text still count it as they always did.
TEST(CliRecords, UnreadableBirthdaysAreListedButNeverUpcoming) {
  testing::TempFolder folder;
  const std::string db = " --db " + folder.path() + " ";
  const std::string today = "--today 2013-01-01 ";
  RunCli(today + "add" + db + u8"好 1980年1月1日 solar");
  sqlite3* connection = nullptr;
  sqlite3_open(folder.File("config.mdb").c_str(), &connection);
  sqlite3_exec(connection,
               u8"insert into 生日 (姓名, 生日, 提醒方式) values "
               u8"('坏', 'garbage', 0), ('空', NULL, 1), ('闰', '2013年2月29日', 0)",
               nullptr, nullptr, nullptr);
  sqlite3_close(connection);

  EXPECT_EQ(RunCli(today + "list" + db).out,
            u8"好\t1980年1月1日\t公历\t33岁\t羊\t摩羯座\t\n"
            u8"坏\tgarbage\t公历\t\t\t\t\n"
            u8"空\t\t农历\t\t\t\t\n"
            u8"闰\t2013年2月29日\t公历\t\t\t\t\n");
  EXPECT_EQ(RunCli(today + "upcoming" + db + "--days 400").out,
            u8"好\t1月1日\t公历\t33岁\t\t今天生日\n");
  EXPECT_EQ(RunCli(today + "report" + db).out, u8"最近有1人将要过生日：\n好：  今天生日\n");
  EXPECT_EQ(testing::ReadFileBytes(folder.path() + u8"/最近生日.html").find(u8"坏"),
            std::string::npos);
  EXPECT_EQ(RunCli(today + "days garbage").out, "0\n");
  EXPECT_EQ(RunCli(today + u8"days 2013年2月29日").out, "0\n");
}

}  // namespace
}  // namespace memo
