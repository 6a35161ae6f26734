// Chinese names of lunar months and days, lunar dates, stem-branch years, zodiac animals,
// solar terms, weekdays and solar months. All texts GBK; an index outside a table names
// nothing.
#pragma once

#include <string>

namespace memo {

std::string LunarMonthName(int month, bool isLeapMonth);
std::string LunarDayName(int day);
// A lunar date as people write it: "2004年二月三十", "2023年闰二月廿九".
std::string LunarDateName(int year, int month, int day, bool isLeapMonth);
std::string StemBranchText(int sexagenaryIndex);
std::string ZodiacName(int branch);
std::string SolarTermName(int termIndex);
std::string WeekdayName(int weekday);   // 1 = 星期一 .. 7 = 星期日
std::string SolarMonthName(int month);  // 一月 .. 十二月

}  // namespace memo
