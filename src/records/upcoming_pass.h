// The upcoming pass: counts the days left for every friend-list row, refills the
// upcoming list and rebuilds the report.
#pragma once

#include "records/records_context.h"

namespace memo {

// Sets daysAhead from the setting (0 or missing: 10) and refills the upcoming list.
void FillUpcomingList(RecordsContext& context);

// FillUpcomingList, then the page, the tip and the balloon.
void RecomputeUpcoming(RecordsContext& context);

}  // namespace memo
