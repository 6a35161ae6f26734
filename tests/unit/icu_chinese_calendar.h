// ICU's Chinese calendar as an independent computation of lunar dates: it computes new moons
// and solar terms astronomically for the Beijing meridian, where the engine reads tables of
// the published calendar.
#pragma once

#include <gtest/gtest.h>
#include <unicode/calendar.h>
#include <unicode/locid.h>
#include <unicode/timezone.h>

#include <memory>
#include <vector>

#include "datetime/civil_date.h"
#include "lunar/lunar_engine.h"

namespace memo::testing {

// ICU counts Chinese years from 2637 BC.
constexpr int kIcuYearOffset = 2637;
constexpr int64_t kMillisecondsPerDay = 86400000;

inline std::unique_ptr<icu::Calendar> ChineseCalendar() {
  UErrorCode status = U_ZERO_ERROR;
  std::unique_ptr<icu::Calendar> calendar(icu::Calendar::createInstance(
      icu::TimeZone::createTimeZone("GMT+08:00"), icu::Locale("zh_CN@calendar=chinese"), status));
  if (U_FAILURE(status)) return nullptr;
  return calendar;
}

// The lunar date of a day (days since 1970-01-01).
inline LunarDate IcuLunarDate(icu::Calendar& calendar, int64_t civilDays) {
  UErrorCode status = U_ZERO_ERROR;
  // Noon in China, well away from either end of the day.
  calendar.setTime(static_cast<UDate>(civilDays * kMillisecondsPerDay + 4 * 3600000), status);
  LunarDate date;
  date.year = static_cast<uint16_t>(calendar.get(UCAL_EXTENDED_YEAR, status) - kIcuYearOffset);
  date.month = static_cast<uint16_t>(calendar.get(UCAL_MONTH, status) + 1);
  date.day = static_cast<uint16_t>(calendar.get(UCAL_DATE, status));
  date.isLeapMonth = calendar.get(UCAL_IS_LEAP_MONTH, status) != 0;
  EXPECT_TRUE(U_SUCCESS(status));
  return date;
}

// The runs of days on which ICU's astronomy puts a new moon or a solar term on the wrong side
// of midnight (or of a month boundary) against the published calendar the tables follow.
struct DayRun {
  CivilDate first, last;
  bool Holds(int64_t days) const {
    return days >= DaysFromCivil(first.year, first.month, first.day) &&
           days <= DaysFromCivil(last.year, last.month, last.day);
  }
};
inline const std::vector<DayRun>& IcuFaultRuns() {
  static const std::vector<DayRun> runs = {
      {{1917, 3, 23}, {1917, 5, 20}}, {{1922, 6, 25}, {1922, 8, 22}},
      {{1954, 2, 3}, {1954, 3, 4}},   {{1955, 2, 22}, {1955, 3, 23}},
      {{1987, 7, 26}, {1987, 9, 22}}, {{1999, 1, 17}, {1999, 2, 15}},
      {{2012, 8, 17}, {2012, 9, 15}}, {{2018, 11, 7}, {2018, 12, 6}},
      {{2027, 2, 6}, {2027, 3, 7}},   {{2030, 2, 2}, {2030, 3, 3}},
  };
  return runs;
}
inline bool InIcuFaultRun(int64_t days) {
  for (const DayRun& run : IcuFaultRuns()) {
    if (run.Holds(days)) return true;
  }
  return false;
}

}  // namespace memo::testing
