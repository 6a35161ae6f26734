#include "records/birthday_order.h"

#include <limits>

namespace memo {
namespace {

// Keys come in tiers: the dated birthdays, then those without a year, then the unreadable
// ones, in either direction; within a tier the value below the tier's bits gives the order.
constexpr int kTierShift = 48;
constexpr uint64_t kValueMask = (uint64_t{1} << kTierShift) - 1;

uint64_t MonthAndDay(const Birthday& birthday) {
  return static_cast<uint64_t>(birthday.month) << 8 | (birthday.leap ? 1u : 0u) << 7 |
         static_cast<uint64_t>(birthday.day);
}

}  // namespace

uint64_t BirthdaySortKey(const Birthday& birthday, SortCode order, const TodayDates& today) {
  if (!birthday.ok()) return std::numeric_limits<uint64_t>::max();
  const bool byAge = order == SortCode::kAgeAscending || order == SortCode::kAgeDescending;
  if (!birthday.hasYear()) {
    // Without an age they come last in an age order, by month and day; in a birthday order
    // by month and day in its direction.
    const bool backwards = order == SortCode::kBirthdayDescending;
    return uint64_t{1} << kTierShift |
           (backwards ? kValueMask - MonthAndDay(birthday) : MonthAndDay(birthday));
  }
  int year = birthday.year;
  if (byAge) year += today.solarYear - CurrentYear(today, birthday.lunar());
  const uint64_t key = static_cast<uint64_t>(year) << 16 | MonthAndDay(birthday);
  // The youngest come first in the ascending age order.
  const bool latestFirst =
      order == SortCode::kBirthdayDescending || order == SortCode::kAgeAscending;
  return latestFirst ? kValueMask - key : key;
}

}  // namespace memo
