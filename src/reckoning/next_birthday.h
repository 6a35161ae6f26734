// Days until a friend's next birthday and the short texts of the upcoming list. Texts are
// GBK.
#pragma once

#include <string>

#include "reckoning/birthday.h"
#include "reckoning/lunar_carrier.h"

namespace memo {

// 0 today, 1 tomorrow, for a birthday that could be read. Only the months are compared
// with today's, so a birthday earlier in the current month gives a negative count. A day
// the year lacks falls back to the days before it (2月29日 to 2月28日, lunar day 30 to day
// 29). A lunar birthday whose occurrence cannot be converted at all (outside the engine's
// years) counts far below -365, so that friend is never upcoming.
int DaysUntilBirthday(const Birthday& birthday, const TodayDates& today);

// The same for a stored text as it stands: a text that is no date counts as 1月1日.
int DaysUntilBirthday(const std::string& birthdayText, bool lunar);

// "5月3日", or "5月12日[闰月]" for a leap month.
std::string NextBirthdayText(const Birthday& birthday);
// The same from a stored text; a text that is no date gives "1月1日".
std::string NextBirthdayText(const std::string& birthdayText);

// "今天生日", "明天生日", or "还有N天过生日".
std::string CountdownText(int days);

}  // namespace memo
