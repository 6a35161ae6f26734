// The generated solar-term table: its known rows, its shape, and that the committed file is
// what the generator writes today.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <tuple>

#include "datetime/civil_date.h"
#include "lunar/solar_term_table.h"

namespace memo {
namespace {

std::tuple<int, int, int, int, int> Fields(const SolarTermRecord& r) {
  return {r.month, r.day, r.hour, r.minute, r.second};
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

TEST(SolarTermTable, KnownMoments) {
  using Row = std::tuple<int, int, std::tuple<int, int, int, int, int>>;
  for (const auto& [year, term, expected] : {
           Row{1880, 1, {1, 6, 5, 41, 45}},
           Row{1901, 3, {2, 4, 19, 39, 59}},
           Row{2000, 24, {12, 21, 21, 37, 25}},
           Row{2024, 3, {2, 4, 16, 26, 47}},
           Row{2079, 24, {12, 22, 1, 43, 12}},
       }) {
    ASSERT_NE(FindSolarTermRecord(year, term), nullptr);
    EXPECT_EQ(Fields(*FindSolarTermRecord(year, term)), expected) << year << " " << term;
  }
  EXPECT_EQ(FindSolarTermRecord(1879, 24), nullptr);
  EXPECT_EQ(FindSolarTermRecord(2080, 1), nullptr);
  EXPECT_EQ(FindSolarTermRecord(2024, 0), nullptr);
  EXPECT_EQ(FindSolarTermRecord(2024, 25), nullptr);
}

TEST(SolarTermTable, EveryMonthHoldsTwoTermsFifteenDaysApart) {
  for (int year = kSolarTermFirstYear; year <= kSolarTermLastYear; ++year) {
    int64_t previousSecond = 0;
    for (int term = 1; term <= kSolarTermsPerYear; ++term) {
      const SolarTermRecord& r = *FindSolarTermRecord(year, term);
      SCOPED_TRACE(testing::Message() << year << " term " << term);
      EXPECT_EQ(r.month, (term + 1) / 2);
      ASSERT_GE(r.day, 1);
      ASSERT_EQ(CivilFromDays(DaysFromCivil(year, r.month, r.day)).day, r.day);
      ASSERT_LT(r.hour, 24);
      ASSERT_LT(r.minute, 60);
      ASSERT_LT(r.second, 60);
      int64_t second =
          DaysFromCivil(year, r.month, r.day) * 86400 + r.hour * 3600 + r.minute * 60 + r.second;
      if (term > 1) {
        // The sun moves 15 degrees in 14.7 (January) to 15.7 (July) days.
        EXPECT_GT(second - previousSecond, 14.6 * 86400);
        EXPECT_LT(second - previousSecond, 15.8 * 86400);
      }
      previousSecond = second;
    }
  }
}

TEST(SolarTermTable, CommittedFileIsWhatTheGeneratorWrites) {
  if (!std::ifstream(SOLAR_TERMS_SERIES)) {
    GTEST_SKIP() << "The VSOP87D series is not at " << SOLAR_TERMS_SERIES
                 << "; the table cannot be regenerated here.";
  }
  const std::string fresh =
      ::testing::TempDir() + "solar_term_table." + std::to_string(getpid()) + ".cpp";
  const std::string command =
      std::string("'") + SOLAR_TERMS_GENERATOR + "' '" + SOLAR_TERMS_SERIES + "' '" + fresh + "'";
  ASSERT_EQ(std::system(command.c_str()), 0) << command;
  const std::string generated = ReadFile(fresh);
  std::remove(fresh.c_str());
  EXPECT_FALSE(generated.empty());
  EXPECT_TRUE(generated == ReadFile(SOURCE_DIR "/src/lunar/solar_term_table.cpp"))
      << "src/lunar/solar_term_table.cpp is stale: cmake --build BUILD_DIR --target "
         "solar-term-table";
}

}  // namespace
}  // namespace memo
