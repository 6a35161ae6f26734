// The year name changes at the moment of 立春, not at the lunar new year.
#include "lunar/year_stem_branch.h"

#include <tuple>

#include "lunar/lunar_range.h"
#include "lunar/solar_term_table.h"

namespace memo {
namespace {

constexpr int kSpringBegins = 3;  // 立春
// The first lunar year, 1901, is 辛丑; the names repeat every 60 years.
constexpr int kFirstLunarYearIndex = 38;
constexpr int kCycleYears = 60;

// The last term of the year that began at or before the given second of that day; 0 when
// none has begun this year.
int LastTermAtOrBefore(const CivilDate& date, int secondOfDay) {
  const auto now = std::make_tuple(date.month, date.day, secondOfDay);
  int last = 0;
  for (int term = 1; term <= kSolarTermsPerYear; ++term) {
    const SolarTermRecord* record = FindSolarTermRecord(date.year, term);
    if (!record) return 0;
    const int termSecond = record->hour * 3600 + record->minute * 60 + record->second;
    if (std::make_tuple(int{record->month}, int{record->day}, termSecond) > now) break;
    last = term;
  }
  return last;
}

}  // namespace

int YearStemBranchIndex(DateTime moment) {
  const DayNumber day = DayNumberOf(moment);
  if (day < kFirstLunarDay || day > kLastLunarDay) return 0;
  const CivilDate date = day.civil();
  const int cycle = (date.year - kFirstLunarYear) % kCycleYears;
  int index = (cycle + kFirstLunarYearIndex - 1) % kCycleYears + 1;
  if (LastTermAtOrBefore(date, SecondOfDay(moment)) < kSpringBegins) {
    index = index == 1 ? kCycleYears : index - 1;
  }
  return index;
}

}  // namespace memo
