// The date commands of the command-line tool, which reads and prints UTF-8 (hence the
// u8 literals: every other literal in the program is GBK).
#include <gtest/gtest.h>

#include "cli_runner.h"

namespace memo {
namespace {

TEST(Cli, DateCommandsPrintValueAndText) {
  using testing::RunCli;
  auto exact = RunCli(u8"date 2012年2月29日");
  EXPECT_EQ(exact.exitCode, 0);
  EXPECT_EQ(exact.out, u8"40968\t2012年2月29日\n");
  EXPECT_EQ(RunCli(u8"date 2013年2月29日").out, u8"-657434\t100年1月1日\n");
  EXPECT_EQ(RunCli("date-text 41397.5").out, u8"2013年5月3日12时\n");
  EXPECT_EQ(RunCli("date").exitCode, 2);
  EXPECT_EQ(RunCli("date-text x").exitCode, 2);
  EXPECT_EQ(RunCli("no-such-command").exitCode, 2);
  EXPECT_EQ(RunCli(u8"--today 2013-02-30 date 2012年1月1日").exitCode, 2);
}

}  // namespace
}  // namespace memo
