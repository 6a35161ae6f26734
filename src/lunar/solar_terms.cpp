// The day and moment of each solar term, from the generated table.
#include "lunar/lunar_texts.h"
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

DateTime SolarTermMoment(int year, int termIndex) {
  const SolarTermRecord* record = FindSolarTermRecord(year, termIndex);
  if (!record) return kMinDateTime;
  return MakeDateTime(year, record->month, record->day, record->hour, record->minute,
                      record->second);
}

}  // namespace memo
