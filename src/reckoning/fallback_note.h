// The note that explains a birthday whose month and day the year being counted lacks (a
// lunar day 30 in a month of 29 days, a solar 2月29日 in a common year).
#pragma once

#include <optional>
#include <string>

#include "reckoning/birthday.h"
#include "reckoning/today.h"

namespace memo {

// For the occurrence being counted (OccurrenceYear): nothing when the birthday's month and
// day exist in that year, else the note naming that year's missing date and the day counted
// instead. The note is empty when no day before it converts either.
std::optional<std::string> FallbackNote(const Birthday& birthday, const TodayDates& today);

}  // namespace memo
