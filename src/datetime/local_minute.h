// A wall-clock moment to the minute, as reminders reason about it: the minutes since
// 1970-01-01 00:00 of local time, so that a day's minutes are one count and a reminder time
// is a minute of the day. Local time has no zone here: a change of zone or of daylight
// saving moves the clock like any other setting of it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "datetime/date_time.h"

namespace memo {

constexpr int kMinutesPerDay = 24 * 60;

constexpr int64_t MinuteNumber(DayNumber day, int minuteOfDay) {
  return day.days() * kMinutesPerDay + minuteOfDay;
}
constexpr DayNumber DayOfMinute(int64_t minute) {
  return DayNumber(minute >= 0 ? minute / kMinutesPerDay : (minute + 1) / kMinutesPerDay - 1);
}
constexpr int MinuteOfDay(int64_t minute) {
  return static_cast<int>(minute - DayOfMinute(minute).days() * kMinutesPerDay);
}

// The minute a clock value falls in.
int64_t MinuteNumberOf(DateTime moment);

// "HH:MM" (00:00 .. 23:59) as minutes since midnight; nothing for any other text.
std::optional<int> ReadTimeOfDay(const std::string& text);
// "09:05".
std::string TimeOfDayText(int minuteOfDay);
// "YYYY-MM-DDTHH:MM" or "YYYY-MM-DDTHH:MM:SS" as a clock value; nothing for any other text.
std::optional<DateTime> ReadLocalMoment(const std::string& text);

}  // namespace memo
