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

// Solar days compared one by one; the search below must keep its guesses inside.
constexpr DayNumber kFirstSolarDay = DayNumber::FromCivil(1899, 1, 1);
constexpr DayNumber kLastSolarDay = DayNumber::FromCivil(2050, 12, 31);

using testing::Text;

TEST(LunarEquivalence, YearLengthsMatchTheSumOfTheMonths) {
  for (int year = 1899; year <= 2052; ++year) {
    EXPECT_EQ(LunarYearDays(year), LiteralLunarYearDays(year)) << year;
  }
}

TEST(LunarEquivalence, SolarToLunarMatchesTheYearWalk) {
  int differences = 0, successes = 0;
  for (DayNumber day = kFirstSolarDay; day <= kLastSolarDay; day = day + 1) {
    const std::optional<LunarDate> fast = LunarFromSolar(day);
    const std::optional<LunarDate> literal = LiteralLunarFromSolar(day);
    successes += literal.has_value();
    if (fast.has_value() != literal.has_value() || (fast && Text(*fast) != Text(*literal))) {
      if (++differences <= 20) {
        ADD_FAILURE() << Text(day.civil()) << ": " << (fast ? Text(*fast) : "none") << " vs "
                      << (literal ? Text(*literal) : "none");
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
  auto checkedToLunar = [&](DayNumber day) {
    if (day < kFirstSolarDay || day > kLastSolarDay) ++guessesOutside;
    return LunarFromSolar(day);
  };
  const auto text = [](const std::optional<DayNumber>& day) {
    return day ? Text(day->civil()) : std::string("none");
  };
  for (int year = 1900; year <= 2050; ++year) {
    for (int month = 0; month <= 13; ++month) {
      for (int day = 0; day <= 31; ++day) {
        for (bool leap : {false, true}) {
          const LunarDate date{year, month, day, leap};
          const std::optional<DayNumber> fast = SolarFromLunar(date);
          const std::optional<DayNumber> literal = LiteralSolarFromLunar(date, checkedToLunar);
          successes += literal.has_value();
          if (fast != literal && ++differences <= 20) {
            ADD_FAILURE() << Text(date) << ": " << text(fast) << " vs " << text(literal);
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
