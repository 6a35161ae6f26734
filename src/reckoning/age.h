// The age the friend list shows beside a birthday.
#pragma once

#include <string>

#include "reckoning/birthday.h"
#include "reckoning/lunar_carrier.h"

namespace memo {

// The plain difference of the year numbers of the friend's calendar followed by "岁",
// whether or not this year's birthday has passed; empty for a birthday that could not be
// read.
std::string AgeText(const Birthday& birthday, const TodayDates& today);

}  // namespace memo
