// Chinese names of lunar dates, stem-branch years, zodiac animals, solar terms and
// weekdays, and the lunar text templates. All texts GBK.
#pragma once

#include <string>

#include "datetime/date_time.h"

namespace memo {

extern const char* const DefaultLunarTemplate;  // "%Y年(%S)%M%D %y-%m-%d"

std::string LunarMonthName(int month, bool isLeapMonth);
std::string LunarDayName(int day);
// A lunar date as people write it: "2004年二月三十", "2023年闰二月廿九".
std::string LunarDateName(int year, int month, int day, bool isLeapMonth);
std::string StemBranchText(int sexagenaryIndex);
std::string ZodiacName(int branch);
std::string SolarTermName(int termIndex);
std::string WeekdayName(int weekday);   // 1 = 星期一 .. 7 = 星期日
std::string SolarMonthName(int month);  // 一月 .. 十二月
int SolarTermOfDate(int year, int month, int day);
DateTime SolarTermMoment(int year, int termIndex);
int YearStemBranchIndex(DateTime moment);
std::string FormatLunarText(DateTime moment, const std::string& templateText);
// Empty for a date that does not exist.
std::string FormatLunarDay(int year, int month, int day, const std::string& templateText);

}  // namespace memo
