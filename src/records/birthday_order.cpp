#include "records/birthday_order.h"

#include <limits>

namespace memo {

uint64_t BirthdaySortKey(const Birthday& birthday, SortCode order, const TodayDates& today) {
  if (!birthday.ok()) return std::numeric_limits<uint64_t>::max();
  const bool byAge = order == SortCode::kAgeAscending || order == SortCode::kAgeDescending;
  int year = birthday.year;
  if (byAge) year += today.solarYear - CurrentYear(today, birthday.lunar());
  const uint64_t key = static_cast<uint64_t>(year) << 16 |
                       static_cast<uint64_t>(birthday.month) << 8 | (birthday.leap ? 1u : 0u) << 7 |
                       static_cast<uint64_t>(birthday.day);
  // The youngest come first in the ascending age order. A readable birthday's key is never 0,
  // so its complement never meets the unreadable ones' key.
  const bool latestFirst =
      order == SortCode::kBirthdayDescending || order == SortCode::kAgeAscending;
  return latestFirst ? ~key : key;
}

}  // namespace memo
