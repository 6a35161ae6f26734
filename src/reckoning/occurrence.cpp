#include "reckoning/occurrence.h"

#include <algorithm>

#include "reckoning/lunar_days.h"

namespace memo {

DayNumber OccurrenceIn(int year, int month, int day, bool leap, bool lunar) {
  if (lunar) return LunarToSolar(year, month, day, leap);
  return DayNumber::FromCivil(year, month, std::min(day, SolarMonthDays(year, month)));
}

DayNumber OccurrenceIn(const Birthday& birthday, int year) {
  if (!birthday.ok()) return DayNumber();
  return OccurrenceIn(year, birthday.month, birthday.day, birthday.leap, birthday.lunar());
}

}  // namespace memo
