// The page "最近生日.html": a line of today's dates, then the friends whose birthday is
// today, tomorrow and later, each section under its heading. GBK bytes, written for a
// browser that shows the few elements of a simple page.
#pragma once

#include <string>
#include <vector>

#include "report/upcoming_entries.h"

namespace memo {

// The page's body: the today line and the sections; empty when no entry is shown.
std::string UpcomingPageBody(const std::vector<UpcomingEntry>& entries, const TodayDates& today);

// The whole page: a document that names its encoding, the body (or a line saying that nobody
// has a birthday within `daysAhead` days), characters outside GBK as character references.
std::string UpcomingPage(const std::vector<UpcomingEntry>& entries, const TodayDates& today,
                         int daysAhead);

}  // namespace memo
