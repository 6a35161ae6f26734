// The stem-branch year in force at a moment. The year name changes at the moment of 立春,
// not at the lunar new year.
#include "lunar/lunar_engine.h"
#include "lunar/lunar_texts.h"
#include "lunar/solar_term_table.h"

namespace memo {
namespace {

constexpr int kSpringBegins = 3;  // 立春

// The last term that began at or before the given second of that day, searching back
// through year y only; 0 when none has begun this year.
int LastTermAtOrBefore(uint16_t year, uint16_t month, uint16_t day, int secondOfDay) {
  if (int term = SolarTermOfDate(year, month, day)) {
    const SolarTermRecord* record = FindSolarTermRecord(year, term);
    int termSecond = record->hour * 3600 + record->minute * 60 + record->second;
    return termSecond > secondOfDay ? term - 1 : term;
  }
  const uint16_t startYear = year;
  while (true) {
    StepSolarDays(year, month, day, -1);
    if (year != startYear) return 0;
    if (int term = SolarTermOfDate(year, month, day)) return term;
  }
}

}  // namespace

int YearStemBranchIndex(DateTime moment) {
  const int year = YearOf(moment), month = MonthOf(moment), day = DayOf(moment);
  if (year >= 2049 || CompareYmd(year, month, day, 1901, 2, 19) < 0) return 0;
  // 1901 is 辛丑, index 38; the names repeat every 60 years.
  const int cycle = (year - 1901) % 60;
  int index = cycle <= 22 ? cycle + 38 : cycle - 22;
  if (LastTermAtOrBefore(year, month, day, SecondOfDay(moment)) < kSpringBegins) {
    index = index == 1 ? 60 : index - 1;
  }
  return index;
}

}  // namespace memo
