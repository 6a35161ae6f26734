#include "lunar/solar_terms.h"

#include "lunar/solar_term_table.h"

namespace memo {

int SolarTermOfDate(int year, int month, int day) {
  for (int term = 1; term <= kSolarTermsPerYear; ++term) {
    const SolarTermRecord* record = FindSolarTermRecord(year, term);
    if (!record || record->month > month) return 0;
    if (record->month == month && record->day == day) return term;
  }
  return 0;
}

std::optional<DateTime> SolarTermMoment(int year, int termIndex) {
  const SolarTermRecord* record = FindSolarTermRecord(year, termIndex);
  if (!record) return std::nullopt;
  return MakeDateTime(year, record->month, record->day, record->hour, record->minute,
                      record->second);
}

}  // namespace memo
