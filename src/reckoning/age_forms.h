// A friend's age in both reckonings, as the chosen form shows it, and the mark of a birthday
// that rounds out a decade (整寿).
#pragma once

#include <optional>
#include <string>

#include "reckoning/birthday.h"
#include "reckoning/today.h"
#include "settings/settings_names.h"

namespace memo {

struct Ages {
  int fullYears = 0;  // 周岁, in years of the birthday's own calendar
  // 虚岁: the lunar year of the day − the lunar year of birth + 1, growing at 正月初一;
  // nothing where either lunar year is unknown.
  std::optional<int> nominal;
};

// Today's ages, as the friend list shows them: the 周岁 in years completed today; nothing
// for an unreadable birthday or one without a year.
std::optional<Ages> AgesToday(const Birthday& birthday, const TodayDates& today);
// The ages reached on the birthday being counted (OccurrenceYear).
std::optional<Ages> AgesAtOccurrence(const Birthday& birthday, const TodayDates& today);
// The ages reached on the birthday of `year` in the birthday's own calendar, which falls on
// the solar day `day` (no day when it falls on none: then there is no 虚岁).
Ages AgesOnBirthday(const Birthday& birthday, int year, DayNumber day);

// "32岁", "虚岁33" or "32岁（虚岁33）"; 两者 without a 虚岁 shows the 周岁 alone.
std::string AgeInForm(const Ages& ages, AgeForm form);
// The age the form counts with: the 虚岁 for 虚岁 (the 周岁 when it is unknown), else 周岁.
int CountedAge(const Ages& ages, AgeForm form);

// "七十大寿" for a counted age of 60, 70 … 120 ("百岁大寿" at 100), "三十岁整生日" for 10 to 50,
// "一周岁" for a first birthday (周岁 1 in every form); empty otherwise, and for 虚岁 where
// the 虚岁 is unknown (no age shows then).
std::string MilestoneName(const Ages& ages, AgeForm form);
// The mark the upcoming texts add after an age: "（七十大寿）", or empty.
std::string MilestoneMark(const Ages& ages, AgeForm form);

}  // namespace memo
