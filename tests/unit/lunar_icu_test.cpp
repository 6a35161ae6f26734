// An independent check of the lunar tables: ICU's Chinese calendar, which computes new
// moons and solar terms astronomically for the Beijing meridian.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "datetime/civil_date.h"
#include "icu_chinese_calendar.h"
#include "lunar/lunar_engine.h"

namespace memo {
namespace {

using testing::ChineseCalendar;
using testing::IcuLunarDate;

std::string IsoText(int64_t civilDays) {
  const CivilDate date = CivilFromDays(civilDays);
  char text[16];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
  return text;
}

bool SameDate(const LunarDate& a, const LunarDate& b) {
  return a.year == b.year && a.month == b.month && a.day == b.day && a.isLeapMonth == b.isLeapMonth;
}

// Where the two differ, ICU's astronomy puts a new moon or a solar term on the wrong side of
// midnight (or of a month boundary) against the published calendar the tables follow.
TEST(LunarAgainstIcu, DisagreesOnlyOnIcusKnownFaults) {
  auto calendar = ChineseCalendar();
  ASSERT_NE(calendar, nullptr);
  std::vector<std::string> runs;
  int disagreeingDays = 0;
  int64_t runStart = 0;
  bool inRun = false;
  const int64_t first = DaysFromCivil(1901, 2, 19), last = DaysFromCivil(2048, 12, 31);
  for (int64_t days = first; days <= last + 1; ++days) {
    bool differs = false;
    if (days <= last) {
      const std::optional<LunarDate> engine = LunarFromSolar(DayNumber(days));
      ASSERT_TRUE(engine) << IsoText(days);
      differs = !SameDate(*engine, IcuLunarDate(*calendar, days));
    }
    if (differs) {
      ++disagreeingDays;
      if (!inRun) runStart = days;
    } else if (inRun) {
      runs.push_back(IsoText(runStart) + ".." + IsoText(days - 1));
    }
    inRun = differs;
  }
  std::vector<std::string> expected;
  for (const testing::DayRun& run : testing::IcuFaultRuns()) {
    const CivilDate& f = run.first;
    const CivilDate& l = run.last;
    expected.push_back(IsoText(DaysFromCivil(f.year, f.month, f.day)) + ".." +
                       IsoText(DaysFromCivil(l.year, l.month, l.day)));
  }
  EXPECT_EQ(runs, expected);
  EXPECT_EQ(disagreeingDays, 387);
}

}  // namespace
}  // namespace memo
