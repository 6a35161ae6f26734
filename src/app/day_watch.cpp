#include "app/day_watch.h"

#include "lunar/lunar_engine.h"

namespace memo {
namespace {

// 0 outside the lunar engine's range, where every day reads alike.
int LunarYearOf(DateTime day) {
  int year = 0, month = 0, dayOfMonth = 0;
  bool leap = false;
  return ConvertSolarToLunar(day, year, month, dayOfMonth, leap) ? year : 0;
}

}  // namespace

DayChange DayWatch::Look(DateTime now) {
  const DateTime day = DatePart(now);
  if (locked_ || day == shownDay_) return DayChange{};
  DayChange change;
  change.today = true;
  change.ages = YearOf(day) != YearOf(shownDay_) || LunarYearOf(day) != LunarYearOf(shownDay_);
  shownDay_ = day;
  return change;
}

DayChange DayWatch::Unlock(DateTime now) {
  locked_ = false;
  return Look(now);
}

}  // namespace memo
