// The page "最近生日.html": a line of today's dates, then the friends whose birthday is
// today, tomorrow and later, each section under its heading. GBK bytes, written for a
// browser that shows the few elements of a simple page.
#pragma once

#include <string>
#include <vector>

#include "report/upcoming_entries.h"

namespace memo {

// Empty when no entry is shown.
std::string UpcomingPage(const std::vector<const UpcomingEntry*>& shown, const TodayDates& today);

}  // namespace memo
