// The reckoning and friend-list commands of the command-line tool, on a folder filled
// with its own add command. The tool reads and prints UTF-8, hence the u8 literals.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include "cli_runner.h"
#include "temp_folder.h"

namespace memo {
namespace {

using testing::RunCli;

TEST(CliReckoning, CountsTextsAndNotes) {
  EXPECT_EQ(RunCli(u8"--today 2013-05-02 days 1980年5月3日").out, "1\n");
  EXPECT_EQ(RunCli(u8"--today 2013-02-01 days 1980年1月1日 --lunar").out, "9\n");
  EXPECT_EQ(RunCli(u8"--today 2013-02-20 days 1992年2月29日").out, "8\n");
  EXPECT_EQ(RunCli(u8"next 1990年5月12日[闰月]").out, u8"5月12日[闰月]\n");
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

TEST(CliRecords, FriendListUpcomingListPageAndDeletion) {
  testing::TempFolder folder;
  const std::string db = " --db " + folder.path() + " ";
  const std::string today = "--today 2013-04-30 ";
  auto add = RunCli(today + "add" + db + u8"甲 1980年5月3日 solar 123");
  EXPECT_EQ(add.exitCode, 0);
  EXPECT_EQ(add.out, u8"甲\t1980年5月3日\t公历\t33岁\t123\n");
  RunCli(today + "add" + db + u8"王五 1990年5月8日[闰月] lunar");
  RunCli(today + "add" + db + u8"'<b>' 1980年4月30日 solar 'a&b'");
  RunCli(today + "add" + db + u8"乙 1980年5月10日 lunar");
  EXPECT_EQ(RunCli(today + "add" + db + u8"丙 1980年2月30日 solar").exitCode, 2);
  EXPECT_EQ(RunCli(today + "add" + db + u8"丙 1980年2月3日 both").exitCode, 2);

  EXPECT_EQ(RunCli(today + "list" + db).out,
            u8"甲\t1980年5月3日\t公历\t33岁\t123\n"
            u8"王五\t1990年5月8日[闰月]\t农历\t23岁\t\n"
            u8"<b>\t1980年4月30日\t公历\t33岁\ta&b\n"
            u8"乙\t1980年5月10日\t农历\t33岁\t\n");
  const auto sorted = RunCli(today + "list" + db + "--sort 1");
  EXPECT_EQ(sorted.out.substr(0, sorted.out.find('\n')), u8"<b>\t1980年4月30日\t公历\t33岁\ta&b");

  // Lunar 2013-5-8 and 5-10 are 2013-06-15 and 06-17, 46 and 48 days away.
  EXPECT_EQ(RunCli(today + "upcoming" + db).out,
            u8"甲\t5月3日\t公历\t33岁\t123\t还有3天过生日\n"
            u8"<b>\t4月30日\t公历\t33岁\ta&b\t今天生日\n");
  EXPECT_EQ(RunCli(today + "upcoming" + db + "--days 50").out,
            u8"甲\t5月3日\t公历\t33岁\t123\t还有3天过生日\n"
            u8"王五\t5月8日[闰月]\t农历\t23岁\t\t还有46天过生日\n"
            u8"<b>\t4月30日\t公历\t33岁\ta&b\t今天生日\n"
            u8"乙\t5月10日\t农历\t33岁\t\t还有48天过生日\n");
  EXPECT_FALSE(std::filesystem::exists(folder.path() + u8"/最近生日.html"));

  auto report = RunCli(today + "report" + db);
  EXPECT_EQ(report.exitCode, 0);
  EXPECT_EQ(report.out, u8"最近2将要过生日：\n<b>：  今天生日\n甲还有3天过生日\n");
  const std::string page = testing::ReadFileBytes(folder.path() + u8"/最近生日.html");
  EXPECT_EQ(page.find("<FONT color=#ff0000 size=2>"), 0u);
  EXPECT_NE(page.find("&lt;b&gt;(33"), std::string::npos);
  RunCli(today + "report" + db + "--days 50 --out " + folder.File("page.html"));
  EXPECT_GT(testing::ReadFileBytes(folder.File("page.html")).size(), page.size());

  EXPECT_EQ(RunCli(today + "delete" + db + "2 0").exitCode, 0);
  EXPECT_EQ(RunCli(today + "list" + db).out,
            u8"王五\t1990年5月8日[闰月]\t农历\t23岁\t\n"
            u8"乙\t1980年5月10日\t农历\t33岁\t\n");
  EXPECT_EQ(RunCli(today + "delete" + db + "2").exitCode, 1);
  EXPECT_EQ(RunCli(today + "delete" + db + "x").exitCode, 2);
  EXPECT_EQ(RunCli("list --db").exitCode, 2);
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
  EXPECT_EQ(first.out, u8"甲\t100年1月1日\t公历\t1913岁\t\n");
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
            u8"好\t1980年1月1日\t公历\t33岁\t\n"
            u8"坏\tgarbage\t公历\t\t\n"
            u8"空\t\t农历\t\t\n"
            u8"闰\t2013年2月29日\t公历\t\t\n");
  EXPECT_EQ(RunCli(today + "upcoming" + db + "--days 400").out,
            u8"好\t1月1日\t公历\t33岁\t\t今天生日\n");
  EXPECT_EQ(RunCli(today + "report" + db).out, u8"最近1将要过生日：\n好：  今天生日\n");
  EXPECT_EQ(testing::ReadFileBytes(folder.path() + u8"/最近生日.html").find(u8"坏"),
            std::string::npos);
  EXPECT_EQ(RunCli(today + "days garbage").out, "0\n");
  EXPECT_EQ(RunCli(today + "days 2013年2月29日").out, "0\n");
}

}  // namespace
}  // namespace memo
