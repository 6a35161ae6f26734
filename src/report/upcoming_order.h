// The upcoming list sorted by a click on its 倒计时 or 姓名 header, either way round; the
// page, the tip and the balloon keep the order of the days.
#pragma once

#include <optional>
#include <vector>

#include "report/upcoming_entries.h"

namespace memo {

// The upcoming list's columns that sort, by their place in it.
constexpr int kUpcomingNameColumn = 0;
constexpr int kUpcomingDaysColumn = 5;

struct UpcomingOrder {
  int column = kUpcomingDaysColumn;
  bool ascending = true;
};

// The order a click on the header of `column` chooses while `current` is shown: the column
// ascending, or descending when it is shown ascending; nothing for a column without one.
std::optional<UpcomingOrder> UpcomingOrderOfHeaderClick(int column, UpcomingOrder current);

// The entries (in the order of the days, as the upcoming pass gives them) in that order;
// equal ones keep their order.
void SortUpcomingEntries(std::vector<UpcomingEntry>& entries, UpcomingOrder order);

}  // namespace memo
