// The day and moment of each solar term, from the generated table of 1880..2079.
#pragma once

#include <optional>

#include "datetime/date_time.h"

namespace memo {

// The term (1 小寒 .. 24 冬至) that falls on a day; 0 for none.
int SolarTermOfDate(int year, int month, int day);
// Nothing outside the table.
std::optional<DateTime> SolarTermMoment(int year, int termIndex);

}  // namespace memo
