#include "app/day_watch.h"

namespace memo {

DayChange DayWatch::Look(DateTime now) {
  const TodayDates day = DayOfMoment(now);
  if (locked_ || day.solar == shownDay_.solar) return DayChange{};
  DayChange change;
  change.today = true;
  for (bool lunar : {false, true}) {
    change.ages = change.ages || CurrentYear(day, lunar) != CurrentYear(shownDay_, lunar);
  }
  shownDay_ = day;
  return change;
}

DayChange DayWatch::Unlock(DateTime now) {
  locked_ = false;
  return Look(now);
}

}  // namespace memo
