// The clock seam: Now() reads the installed clock. The program uses local wall-clock time;
// tests and the command-line tool fix a date.
#pragma once

#include <functional>

#include "datetime/date_time.h"

namespace memo {

// Returns the current local date and time as a DateTime.
using ClockFunction = std::function<DateTime()>;

void SetClock(ClockFunction clock);  // an empty function restores the system clock
void FixClock(DateTime moment);

// Parses "YYYY-MM-DD" into a DateTime at 00:00; MinDateTime when it is not such a date.
DateTime ParseIsoDate(const std::string& text);

}  // namespace memo
