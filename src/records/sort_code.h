// The orders the friend list can be shown in. The numbers are the ones stored in the
// settings (paixu) and must keep their meaning; a stored number outside them shows the
// stored order.
#pragma once

namespace memo {

enum class SortCode : int {
  kStored = 0,
  kNameAscending = 1,
  kNameDescending = 2,
  kBirthdayAscending = 3,
  kBirthdayDescending = 4,
  kCalendar = 5,
  kAgeAscending = 6,
  kAgeDescending = 7,
};

// The stored number as a sort code; anything unknown is the stored order.
constexpr SortCode SortCodeOf(int stored) {
  return stored >= 0 && stored <= 7 ? static_cast<SortCode>(stored) : SortCode::kStored;
}

}  // namespace memo
