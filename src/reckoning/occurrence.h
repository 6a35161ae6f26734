// The day a birthday falls on in one year of its own calendar, by the program's rules for a
// day that year lacks: 2月29日 on 2月28日 in a common year, lunar day 30 on day 29 of a
// month of 29 days, a leap month the year does not have in the ordinary month.
#pragma once

#include "datetime/date_time.h"
#include "reckoning/birthday.h"

namespace memo {

// The solar day; no day for a year where not even a day before converts (outside the
// engine's or DateTime's years).
DayNumber OccurrenceIn(int year, int month, int day, bool leap, bool lunar);
// The same for a birthday that was read; no day for one that could not be.
DayNumber OccurrenceIn(const Birthday& birthday, int year);

}  // namespace memo
