// The lunar and solar commands of the command-line tool.
#include <gtest/gtest.h>

#include "cli_runner.h"

namespace memo {
namespace {

using testing::RunCli;

TEST(CliLunar, PrintsTheLunarDateOfASolarDate) {
  EXPECT_EQ(RunCli("lunar 2024-02-10").out, "2024 1 1\n");
  EXPECT_EQ(RunCli("lunar 2023-03-22").out, "2023 2 1 leap\n");
  EXPECT_EQ(RunCli("lunar 1914-11-17").out, "1914 10 1\n");
  EXPECT_EQ(RunCli("lunar 2048-12-31").exitCode, 0);

  for (const char* date : {"1901-02-18", "2049-01-01", "2023-02-30", "2023-3-22", "today"}) {
    const auto result = RunCli(std::string("lunar ") + date);
    EXPECT_EQ(result.out, "none\n") << date;
    EXPECT_EQ(result.exitCode, 1) << date;
  }
  EXPECT_EQ(RunCli("lunar").exitCode, 2);
  EXPECT_EQ(RunCli("lunar 2024-02-10 2024-02-11").exitCode, 2);
}

TEST(CliLunar, PrintsTheSolarDateOfALunarDate) {
  EXPECT_EQ(RunCli("solar 2024 1 1").out, "2024-02-10\n");
  EXPECT_EQ(RunCli("solar 2023 2 1 leap").out, "2023-03-22\n");
  EXPECT_EQ(RunCli("solar 2023 2 1").out, "2023-02-20\n");
  EXPECT_EQ(RunCli("solar 2024 5 1 leap").out, "2024-06-06\n");
  EXPECT_EQ(RunCli("solar 1914 10 1").out, "1914-11-17\n");

  // 67560 is 2024 + 65536: no year wraps round to one in the tables.
  for (const char* date :
       {"2024 1 30", "2023 2 30 leap", "2049 1 1", "1900 12 1", "2023 13 1", "67560 1 1"}) {
    const auto result = RunCli(std::string("solar ") + date);
    EXPECT_EQ(result.out, "none\n") << date;
    EXPECT_EQ(result.exitCode, 1) << date;
  }
  for (const char* arguments : {"", "2024 1", "2024 1 1 leap 1", "2024 1 1 yes", "2024 x 1"}) {
    const auto result = RunCli(std::string("solar ") + arguments);
    EXPECT_EQ(result.out, "") << arguments;
    EXPECT_EQ(result.exitCode, 2) << arguments;
  }
}

}  // namespace
}  // namespace memo
