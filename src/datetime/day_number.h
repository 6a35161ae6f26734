// A day as a count of days since 1970-01-01 that carries whether it is a day at all: ok()
// holds for the days a DateTime holds, 0100-01-01 .. 9999-12-31, and for no other count.
// Moving by days and telling the weekday are sums on the count, never walks.
#pragma once

#include <cstdint>

#include "datetime/civil_date.h"

namespace memo {

class DayNumber {
 public:
  // No day.
  constexpr DayNumber() = default;
  constexpr explicit DayNumber(int64_t days) : days_(InRange(days) ? days : kNoDay) {}
  // No day for fields that name none (30 February, month 13) or lie outside the years.
  static constexpr DayNumber FromCivil(int year, int month, int day) {
    if (month < 1 || month > 12 || day < 1 || day > 31) return DayNumber();
    const int64_t days = DaysFromCivil(year, month, day);
    const CivilDate back = CivilFromDays(days);
    return back.month == month && back.day == day ? DayNumber(days) : DayNumber();
  }

  constexpr bool ok() const { return days_ != kNoDay; }
  // The count; only meaningful for a day.
  constexpr int64_t days() const { return days_; }
  constexpr CivilDate civil() const { return CivilFromDays(days_); }
  // 1 = Monday .. 7 = Sunday; 1970-01-01 was a Thursday.
  constexpr int weekday() const {
    const int64_t fromMonday = (days_ + 3) % 7;
    return static_cast<int>(fromMonday < 0 ? fromMonday + 8 : fromMonday + 1);
  }

  // No day stays no day; a step past the last day or before the first gives no day.
  constexpr DayNumber operator+(int64_t n) const { return ok() ? DayNumber(days_ + n) : *this; }
  constexpr DayNumber operator-(int64_t n) const { return ok() ? DayNumber(days_ - n) : *this; }
  // Of two days.
  friend constexpr int64_t operator-(DayNumber a, DayNumber b) { return a.days_ - b.days_; }
  friend constexpr bool operator==(DayNumber a, DayNumber b) { return a.days_ == b.days_; }
  friend constexpr bool operator!=(DayNumber a, DayNumber b) { return a.days_ != b.days_; }
  friend constexpr bool operator<(DayNumber a, DayNumber b) { return a.days_ < b.days_; }
  friend constexpr bool operator<=(DayNumber a, DayNumber b) { return a.days_ <= b.days_; }
  friend constexpr bool operator>(DayNumber a, DayNumber b) { return a.days_ > b.days_; }
  friend constexpr bool operator>=(DayNumber a, DayNumber b) { return a.days_ >= b.days_; }

 private:
  static constexpr int64_t kFirstDay = DaysFromCivil(100, 1, 1);
  static constexpr int64_t kLastDay = DaysFromCivil(9999, 12, 31);
  // Below every day, so that no day compares equal to it.
  static constexpr int64_t kNoDay = INT64_MIN;
  static constexpr bool InRange(int64_t days) { return days >= kFirstDay && days <= kLastDay; }

  int64_t days_ = kNoDay;
};

}  // namespace memo
