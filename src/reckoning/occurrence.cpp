#include "reckoning/occurrence.h"

#include <algorithm>

#include "reckoning/lunar_days.h"

namespace memo {

std::optional<DateTime> OccurrenceIn(int year, int month, int day, bool leap, bool lunar) {
  if (lunar) return LunarToSolar(year, month, day, leap);
  if (!IsSolarDate(year, month, 1)) return std::nullopt;
  return MakeDateTime(year, month, std::min(day, SolarMonthDays(year, month)));
}

std::optional<DateTime> OccurrenceIn(const Birthday& birthday, int year) {
  if (!birthday.ok()) return std::nullopt;
  return OccurrenceIn(year, birthday.month, birthday.day, birthday.leap, birthday.lunar());
}

}  // namespace memo
