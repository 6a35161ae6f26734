#include "lunar/lunar_engine.h"
#include "lunar/lunar_texts.h"

namespace memo {

int WeekdayOf(int year, int month, int day) {
  // Day offsets of the months' first days, modulo 7, in a common year.
  static const int kMonthOffsets[] = {0, 3, 3, 6, 1, 4, 6, 2, 5, 0, 3, 5};
  if (year < 1 || month < 1 || month > 12 || day < 1 || day > 31) return 0;
  const int before = year - 1;
  // 365 days are a week and a day, so every past year moves the weekday by one; 0001-01-01
  // was a Monday.
  int sum = before % 7 + before / 4 - before / 100 + before / 400 + kMonthOffsets[month - 1] + day;
  if (IsGregorianLeapYear(year) && month > 2) ++sum;
  return sum % 7 == 0 ? 7 : sum % 7;
}

}  // namespace memo
