// Friends' birthdays as one iCalendar file (RFC 5545, UTF-8) that any calendar imports.
//
// By default each birthday becomes the all-day events of a span of years, each on the day
// this program counts for that year and titled with the age reached, in the chosen form,
// and the mark of a 整寿 ("张三的32岁生日", "李四的60岁生日（六十大寿）（农历二月三十）"). With
// `rules`, each friend is one repeating event
// ("张三 生日"): a yearly rule, and for a lunar birthday an RFC 7529 rule in the Chinese
// calendar, which a calendar that understands it computes with its own tables.
//
// Each event has two alarms at 09:00: on the day, and the day before, when a present can
// still be bought.
//
// An event's UID is a hash of the name and the stored birthday text (and the year, for an
// event of one year), so that importing a later export updates the events it brought.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "datetime/date_time.h"
#include "reckoning/today.h"
#include "records/friend.h"
#include "settings/settings_names.h"

namespace memo {

inline constexpr int kDefaultCalendarYears = 21;  // this year and the next 20
inline constexpr int kMaxCalendarYears = 200;

struct CalendarOptions {
  // The span begins in the current year of each friend's own calendar. Both moments are the
  // caller's to set.
  TodayDates today{kMinDateTime, std::nullopt};
  int years = kDefaultCalendarYears;  // 1 to kMaxCalendarYears
  bool rules = false;
  AgeForm ageForm = AgeForm::kFullYears;
  // DTSTAMP, in UTC.
  DateTime stampUtc = kMinDateTime;
};

struct CalendarFile {
  std::string bytes;  // UTF-8, CR LF
  int events = 0;
  // Friends without an event: the birthday could not be read, or no year converts it.
  int skipped = 0;
};

CalendarFile WriteCalendar(const std::vector<Friend>& friends, const CalendarOptions& options);

// The number of years typed for the span: a whole number from 1 to kMaxCalendarYears.
std::optional<int> CalendarYearsOf(const std::string& text);

// The system's current time in UTC, for the stamp.
DateTime CurrentUtcTime();

}  // namespace memo
