// The clock seam: Now() reads the installed clock. The program uses local wall-clock time;
// tests and the command-line tool fix a date.
#pragma once

#include <functional>

#include "datetime/date_time.h"

namespace memo {

// Returns the current local date and time as a DateTime.
using ClockFunction = std::function<DateTime()>;

void SetClock(ClockFunction clock);  // an empty function restores the system clock
// With secondsPerDay above 0 the fixed moment moves one day later every secondsPerDay
// seconds from this call on, so that a test sees days pass.
void FixClock(DateTime moment, int secondsPerDay = 0);
// The clock starts at `moment` and runs on from this call, at the real pace or, with
// secondsPerDay above 0, a day every secondsPerDay seconds, so that a test meets a time of day.
void RunClockFrom(DateTime moment, int secondsPerDay = 0);

// The day of a "YYYY-MM-DD" text; no day when the text is not such a date.
DayNumber ParseIsoDate(const std::string& text);

}  // namespace memo
