// An independent check of the lunar tables: ICU's Chinese calendar, which computes new
// moons and solar terms astronomically for the Beijing meridian.
#include <gtest/gtest.h>
#include <unicode/calendar.h>
#include <unicode/locid.h>
#include <unicode/timezone.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "datetime/civil_date.h"
#include "lunar/lunar_engine.h"

namespace memo {
namespace {

// ICU counts Chinese years from 2637 BC.
constexpr int kIcuYearOffset = 2637;

std::unique_ptr<icu::Calendar> ChineseCalendar() {
  UErrorCode status = U_ZERO_ERROR;
  std::unique_ptr<icu::Calendar> calendar(icu::Calendar::createInstance(
      icu::TimeZone::createTimeZone("GMT+08:00"), icu::Locale("zh_CN@calendar=chinese"), status));
  if (U_FAILURE(status)) return nullptr;
  return calendar;
}

LunarDate IcuLunarDate(icu::Calendar& calendar, int64_t civilDays) {
  UErrorCode status = U_ZERO_ERROR;
  // Noon in China, well away from either end of the day.
  calendar.setTime(static_cast<UDate>(civilDays * 86400000 + 4 * 3600000), status);
  LunarDate date;
  date.year = static_cast<uint16_t>(calendar.get(UCAL_EXTENDED_YEAR, status) - kIcuYearOffset);
  date.month = static_cast<uint16_t>(calendar.get(UCAL_MONTH, status) + 1);
  date.day = static_cast<uint16_t>(calendar.get(UCAL_DATE, status));
  date.isLeapMonth = calendar.get(UCAL_IS_LEAP_MONTH, status) != 0;
  EXPECT_TRUE(U_SUCCESS(status));
  return date;
}

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
      const CivilDate solar = CivilFromDays(days);
      LunarDate engine;
      ASSERT_TRUE(LunarFromSolar(solar.year, solar.month, solar.day, engine)) << IsoText(days);
      differs = !SameDate(engine, IcuLunarDate(*calendar, days));
    }
    if (differs) {
      ++disagreeingDays;
      if (!inRun) runStart = days;
    } else if (inRun) {
      runs.push_back(IsoText(runStart) + ".." + IsoText(days - 1));
    }
    inRun = differs;
  }
  const std::vector<std::string> expected = {
      "1917-03-23..1917-05-20", "1922-06-25..1922-08-22", "1954-02-03..1954-03-04",
      "1955-02-22..1955-03-23", "1987-07-26..1987-09-22", "1999-01-17..1999-02-15",
      "2012-08-17..2012-09-15", "2018-11-07..2018-12-06", "2027-02-06..2027-03-07",
      "2030-02-02..2030-03-03",
  };
  EXPECT_EQ(runs, expected);
  EXPECT_EQ(disagreeingDays, 387);
}

}  // namespace
}  // namespace memo
