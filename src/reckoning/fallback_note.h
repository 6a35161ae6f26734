// The note that explains a birthday whose date the current year lacks (a lunar day 30 in
// a month of 29 days, a solar 2月29日 in a common year), and when it is due. The
// month-day text is the one NextBirthdayText gives ("2月29日", "5月30日[闰月]").
#pragma once

#include <string>

#include "reckoning/birthday.h"
#include "reckoning/lunar_carrier.h"

namespace memo {

bool NoteIsDue(const std::string& monthDayText, bool lunar);

// Names the missing date and the day counted instead; empty when no day before it
// converts either.
std::string FallbackNote(const std::string& monthDayText, bool lunar);

// The note of a birthday that could be read when it is due this year, else empty.
std::string UpcomingNote(const Birthday& birthday, const TodayDates& today);

}  // namespace memo
