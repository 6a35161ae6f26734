// The friend list's birthday and age orders: by the birthday's numbers whatever its calendar,
// a leap month after its ordinary month; after them the birthdays without a year by month and
// day, and the birthdays that could not be read last, in either direction.
#pragma once

#include <cstdint>

#include "reckoning/birthday.h"
#include "reckoning/today.h"
#include "records/sort_code.h"

namespace memo {

// The key of a birthday in one of the birthday and age orders: ascending keys give the order. An
// age order sorts the ages the list shows: an age counts in the friend's own calendar, whose year
// may begin weeks after the solar one, so a lunar birth year counts as one later until then.
uint64_t BirthdaySortKey(const Birthday& birthday, SortCode order, const TodayDates& today);

}  // namespace memo
