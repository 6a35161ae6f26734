// Whether the local date has moved on since the program last showed it, and what that asks
// for. The program looks at the clock now and then (a timer, a change of the clock or the
// time zone, a resume from sleep) and tells of the session's lock and unlock; each look
// answers what to recompute. A day is handled once, however many looks see it; while the
// session is locked nothing is, and the unlock looks again, so that the balloon of a day
// that began behind the lock is seen.
#pragma once

#include "datetime/date_time.h"
#include "reckoning/today.h"

namespace memo {

struct DayChange {
  // Pane 2's today text and the upcoming pass: its list, page, tip, report view and balloon.
  bool today = false;
  // The friend list reloaded for its ages. They count from the current solar and lunar year
  // numbers only, so only a new year changes them; a reload for less would lose the list's
  // selection.
  bool ages = false;
};

class DayWatch {
 public:
  // `shownDay`: the date start-up read before it showed anything.
  explicit DayWatch(DateTime shownDay) : shownDay_(DayOfMoment(shownDay)) {}

  // A look at the clock. A date other than the shown one, forwards or backwards (the clock
  // or the time zone may be set back), becomes the shown one.
  DayChange Look(DateTime now);
  void Lock() { locked_ = true; }
  // The look that the lock held back.
  DayChange Unlock(DateTime now);

 private:
  TodayDates shownDay_;
  bool locked_ = false;
};

}  // namespace memo
