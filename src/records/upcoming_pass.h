// The upcoming pass: counts the days left for every friend-list row, refills the
// upcoming list and rebuilds the report.
#pragma once

#include "records/records_context.h"

namespace memo {

inline constexpr char kDaysAheadSetting[] = "tianshuo";

// daysAhead comes from the setting, 0 or missing meaning 10.
void RecomputeUpcoming(RecordsContext& context);

}  // namespace memo
