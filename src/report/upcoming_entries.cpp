#include "report/upcoming_entries.h"

#include <algorithm>

#include "reckoning/age.h"
#include "reckoning/fallback_note.h"
#include "reckoning/next_birthday.h"

namespace memo {

std::vector<UpcomingEntry> UpcomingEntries(const std::vector<Friend>& friends,
                                           const TodayDates& today, int daysAhead) {
  std::vector<UpcomingEntry> entries;
  for (const Friend& person : friends) {
    if (!person.birthday.ok()) continue;
    const int days = DaysUntilBirthday(person.birthday, today);
    if (days < 0 || days > daysAhead) continue;
    entries.push_back(UpcomingEntry{person, days, NextBirthdayText(person.birthday),
                                    AgeText(person.birthday, today),
                                    UpcomingNote(person.birthday, today)});
  }
  return entries;
}

std::vector<const UpcomingEntry*> ShownEntries(const std::vector<UpcomingEntry>& entries,
                                               int daysAhead) {
  std::vector<const UpcomingEntry*> shown;
  for (const UpcomingEntry& entry : entries) {
    if (entry.days < daysAhead) shown.push_back(&entry);
  }
  // A stable sort keeps list order within a day without walking the list once per day.
  std::stable_sort(shown.begin(), shown.end(), [](const UpcomingEntry* a, const UpcomingEntry* b) {
    return a->days < b->days;
  });
  return shown;
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
