#include "report/upcoming_entries.h"

#include <algorithm>

#include "reckoning/age_forms.h"
#include "reckoning/fallback_note.h"
#include "reckoning/next_birthday.h"

namespace memo {

std::vector<UpcomingEntry> UpcomingEntries(const std::vector<Friend>& friends,
                                           const TodayDates& today, int daysAhead,
                                           AgeForm ageForm) {
  struct Due {
    int days;
    const Friend* person;
  };
  std::vector<Due> due;
  for (const Friend& person : friends) {
    if (!person.birthday.ok()) continue;
    const std::optional<int> days = DaysUntilBirthday(person.birthday, today);
    if (days && *days >= 0 && *days <= daysAhead) due.push_back({*days, &person});
  }
  // A stable sort keeps list order within a day; the entries are made once, in their place.
  std::stable_sort(due.begin(), due.end(),
                   [](const Due& a, const Due& b) { return a.days < b.days; });
  std::vector<UpcomingEntry> entries;
  entries.reserve(due.size());
  for (const Due& next : due) {
    const Birthday& birthday = next.person->birthday;
    // A birthday without a year has no age, and so no 整寿.
    const std::optional<Ages> ages = AgesAtOccurrence(birthday, today);
    const DateTime solarDay = today.solar + next.days;
    entries.push_back(UpcomingEntry{*next.person, next.days, OccurrenceText(birthday, solarDay),
                                    ages ? AgeInForm(*ages, ageForm) : std::string(),
                                    FallbackNote(birthday, today).value_or(""),
                                    ages ? MilestoneMark(*ages, ageForm) : std::string()});
  }
  return entries;
}

std::string OneLine(const std::string& text) {
  std::string line;
  line.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' && text[i] != '\n') {
      line += text[i];
    } else if (i == 0 || (text[i - 1] != '\r' && text[i - 1] != '\n')) {
      line += ' ';
    }
  }
  return line;
}

}  // namespace memo
