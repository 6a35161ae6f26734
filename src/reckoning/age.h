// The ages shown beside a birthday.
#pragma once

#include <string>

#include "reckoning/birthday.h"
#include "reckoning/today.h"
#include "settings/settings_names.h"

namespace memo {

inline constexpr char kNoAge[] = "—";

// The friend list's age in the chosen form: the 周岁 is the years completed today ("59岁" the
// day before the 60th birthday), a lunar birthday's by its lunar day; empty for a birthday
// that could not be read, kNoAge for one without a year.
std::string AgeText(const Birthday& birthday, const TodayDates& today,
                    AgeForm form = AgeForm::kFullYears);

// The age reached at the occurrence being counted (OccurrenceYear), as the upcoming list,
// the page and the tip show it beside the days left: a birthday 19 days away in the next
// year is already the next age.
std::string OccurrenceAgeText(const Birthday& birthday, const TodayDates& today,
                              AgeForm form = AgeForm::kFullYears);

}  // namespace memo
