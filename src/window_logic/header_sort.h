// Sorting the friend list by a click on a column's header, as every Windows list sorts: the
// same orders as the sort menu, stored the same way, and the header's arrow for the order
// shown, whichever way it was chosen.
#pragma once

#include <optional>

#include "records/sort_code.h"

namespace memo {

// The friend list's columns, in the order of its cells.
enum FriendColumn : int { kNameColumnAt, kBirthdayColumnAt, kCalendarColumnAt, kAgeColumnAt };

// The order a click on the header of `column` chooses while `current` is shown: the
// column's ascending order, or its descending one when the ascending one is shown; nothing
// for a column without an order.
std::optional<SortCode> SortCodeOfHeaderClick(int column, SortCode current);

// The header whose arrow shows the order, and which way it points; column -1 for an order
// of no column.
struct SortArrow {
  int column;
  bool ascending;
};
SortArrow SortArrowOf(SortCode code);

}  // namespace memo
