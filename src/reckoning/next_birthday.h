// Days until a friend's next birthday and the short texts of the upcoming list. Texts are
// GBK.
#pragma once

#include <optional>
#include <string>

#include "reckoning/birthday.h"
#include "reckoning/today.h"

namespace memo {

// The year of the occurrence being counted, in the birthday's own calendar: the current
// year, or the next one once today's month is past the birthday's month. Only the month
// numbers are compared, so a birthday earlier in the current month stays in this year.
int OccurrenceYear(const Birthday& birthday, const TodayDates& today);

// Days until that occurrence, 0 today and 1 tomorrow, for a birthday that could be read; a
// birthday earlier in the current month gives a negative count. A day the year lacks falls
// back to the days before it (2月29日 to 2月28日, lunar day 30 to day 29). Nothing for a
// birthday whose occurrence cannot be converted at all (outside the engine's years): that
// friend is never upcoming.
std::optional<int> DaysUntilBirthday(const Birthday& birthday, const TodayDates& today);

// "5月3日", or "5月12日[闰月]" for a leap month.
std::string NextBirthdayText(const Birthday& birthday);

// The next birthday as the upcoming texts give it, falling on `solarDay`: "5月3日" for a
// solar birthday; for a lunar one its lunar day and then the solar date, by which the dinner
// is booked: "十一月初七（12月26日）", "闰五月十二（7月5日）".
std::string OccurrenceText(const Birthday& birthday, DateTime solarDay);

// "今天生日", "明天生日", or "还有N天过生日".
std::string CountdownText(int days);

}  // namespace memo
