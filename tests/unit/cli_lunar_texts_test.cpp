// The lunar text commands of the command-line tool (UTF-8 out, hence the u8 literals).
#include <gtest/gtest.h>

#include "cli_runner.h"

namespace memo {
namespace {

using testing::RunCli;

TEST(Cli, LunarTextOfADayOrAMoment) {
  auto day = RunCli("lunar-text 2024-02-10");
  EXPECT_EQ(day.exitCode, 0);
  EXPECT_EQ(day.out, u8"甲辰年(龙)正月初一 2024-2-10\n");
  EXPECT_EQ(RunCli("lunar-text 2024-02-04 '%Y(%S)'").out, u8"甲辰(龙)\n");
  EXPECT_EQ(RunCli(u8"lunar-text 2024-05-01 '%Y(%S)-%y 年'").out, u8"甲辰(龙)-2024 年\n");
  EXPECT_EQ(RunCli("lunar-text 2024-02-04T16:26:46").out, u8"癸卯年(兔)腊月廿五 2024-2-4\n");
  EXPECT_EQ(RunCli("lunar-text 2024-02-04T16:26:47 '%Y(%S)'").out, u8"甲辰(龙)\n");
  for (const char* bad : {"lunar-text", "lunar-text 2024-02-04 a b", "lunar-text 2024-02-30",
                          "lunar-text 2024-2-4", "lunar-text 2024-02-04T24:00:00",
                          "lunar-text 2024-02-04T16:26", "lunar-text 2024-02-04X16:26:46"}) {
    EXPECT_EQ(RunCli(bad).exitCode, 2) << bad;
  }
}

TEST(Cli, SolarTermOfADayAndMomentOfATerm) {
  auto term = RunCli("term 2024-02-04");
  EXPECT_EQ(term.exitCode, 0);
  EXPECT_EQ(term.out, u8"3 立春\n");
  EXPECT_EQ(RunCli("term 2024-12-21").out, u8"24 冬至\n");
  EXPECT_EQ(RunCli("term 2024-02-05").out, "0\n");
  EXPECT_EQ(RunCli("term 1879-12-22").out, "0\n");
  auto moment = RunCli("term-moment 2024 3");
  EXPECT_EQ(moment.exitCode, 0);
  EXPECT_EQ(moment.out, "2024-02-04 16:26:47\n");
  EXPECT_EQ(RunCli("term-moment 2079 24").out, "2079-12-22 01:43:12\n");
  EXPECT_EQ(RunCli("term-moment 1879 1").out, "0100-01-01 00:00:00\n");
  for (const char* bad : {"term", "term 2024-02-30", "term 2024-02-04 x", "term-moment 2024",
                          "term-moment 2024 x", "term-moment 2024 3 1"}) {
    EXPECT_EQ(RunCli(bad).exitCode, 2) << bad;
  }
}

}  // namespace
}  // namespace memo
