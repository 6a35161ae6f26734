// The upcoming pass as a function: friends, today and the days ahead give the entries that
// the upcoming list, the page, the tray and the report view show.
#pragma once

#include <string>
#include <vector>

#include "reckoning/today.h"
#include "records/friend.h"
#include "settings/settings_names.h"

namespace memo {

struct UpcomingEntry {
  Friend person;
  int days = 0;              // 0 today, 1 tomorrow
  std::string nextBirthday;  // "5月3日", "闰五月十二（7月5日）"
  std::string age;           // reached on that birthday, in the chosen form; empty without a year
  std::string note;          // the fallback note when that birthday's year lacks the day
  std::string mark;          // "（七十大寿）" when that age rounds out a decade, else empty
};

// The friends whose birthday comes in 0 to daysAhead days, by days, each day's in
// friend-list order, with ages in the given form. A birthday that could not be read is never
// upcoming.
std::vector<UpcomingEntry> UpcomingEntries(const std::vector<Friend>& friends,
                                           const TodayDates& today, int daysAhead,
                                           AgeForm ageForm = AgeForm::kFullYears);

// A typed text on one line, as the page, the tray and the report view show names and
// contacts: each run of CR and LF becomes one blank.
std::string OneLine(const std::string& text);

}  // namespace memo
