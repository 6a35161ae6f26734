#include "reckoning/occurrence.h"

#include <algorithm>

#include "reckoning/lunar_carrier.h"

namespace memo {

DateTime OccurrenceIn(const Birthday& birthday, int year) {
  if (!birthday.ok()) return EmptyDateTime;
  if (birthday.lunar()) return LunarToSolar(year, birthday.month, birthday.day, birthday.leap);
  if (year < 100 || year > 9999) return EmptyDateTime;
  return MakeDateTime(year, birthday.month,
                      std::min(birthday.day, SolarMonthDays(year, birthday.month)));
}

}  // namespace memo
