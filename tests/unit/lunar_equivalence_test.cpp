// The table-driven conversions against the step-by-step ones, over every input the checks
// below enumerate, failures included.
#include <gtest/gtest.h>

#include <string>

#include "engine_date_text.h"
#include "lunar/lunar_engine.h"
#include "lunar_literal.h"

namespace memo {
namespace {

using testing::LiteralLunarFromSolar;
using testing::LiteralLunarYearDays;
using testing::LiteralSolarFromLunar;

// Solar inputs compared one by one; the search below must keep its guesses inside.
constexpr int kFirstSolarYear = 1899, kLastSolarYear = 2050, kMaxSolarMonth = 13, kMaxSolarDay = 40;

bool InSolarDomain(uint16_t year, uint16_t month, uint16_t day) {
  return year >= kFirstSolarYear && year <= kLastSolarYear && month <= kMaxSolarMonth &&
         day <= kMaxSolarDay;
}

using testing::Text;

TEST(LunarEquivalence, YearLengthsMatchTheSumOfTheMonths) {
  for (int year = 1899; year <= 2052; ++year) {
    EXPECT_EQ(LunarYearDays(year), LiteralLunarYearDays(year)) << year;
  }
}

TEST(LunarEquivalence, SolarToLunarMatchesTheYearWalk) {
  const LunarDate untouched{7, 7, 7, true};
  int differences = 0, successes = 0;
  for (int year = kFirstSolarYear; year <= kLastSolarYear; ++year) {
    for (int month = 0; month <= kMaxSolarMonth; ++month) {
      for (int day = 0; day <= kMaxSolarDay; ++day) {
        LunarDate fast = untouched, literal = untouched;
        const bool fastOk = LunarFromSolar(year, month, day, fast);
        const bool literalOk = LiteralLunarFromSolar(year, month, day, literal);
        successes += literalOk;
        if (fastOk != literalOk || Text(fast) != Text(literal)) {
          if (++differences <= 20) {
            ADD_FAILURE() << year << "-" << month << "-" << day << ": " << fastOk << " "
                          << Text(fast) << " vs " << literalOk << " " << Text(literal);
          }
        }
      }
    }
  }
  EXPECT_EQ(differences, 0);
  EXPECT_GT(successes, 50000);  // the domain is not all failures
}

// The search's guesses are converted by the engine: that is the step-by-step conversion as
// long as every guess lies where the test above compared the two.
TEST(LunarEquivalence, LunarToSolarMatchesTheDayByDaySearch) {
  int differences = 0, guessesOutside = 0, successes = 0;
  auto checkedToLunar = [&](uint16_t year, uint16_t month, uint16_t day, LunarDate& out) {
    if (!InSolarDomain(year, month, day)) ++guessesOutside;
    return LunarFromSolar(year, month, day, out);
  };
  const SolarDate untouched{7, 7, 7};
  for (int year = 1900; year <= 2050; ++year) {
    for (int month = 0; month <= 13; ++month) {
      for (int day = 0; day <= 31; ++day) {
        for (bool leap : {false, true}) {
          SolarDate fast = untouched, literal = untouched;
          const bool fastOk = SolarFromLunar(year, month, day, leap, fast);
          const bool literalOk =
              LiteralSolarFromLunar(year, month, day, leap, literal, checkedToLunar);
          successes += literalOk;
          if (fastOk != literalOk || Text(fast) != Text(literal)) {
            if (++differences <= 20) {
              ADD_FAILURE() << year << "-" << month << "-" << day << (leap ? " leap" : "") << ": "
                            << fastOk << " " << Text(fast) << " vs " << literalOk << " "
                            << Text(literal);
            }
          }
        }
      }
    }
  }
  EXPECT_EQ(differences, 0);
  EXPECT_EQ(guessesOutside, 0);
  EXPECT_GT(successes, 100000);
}

}  // namespace
}  // namespace memo
