// DateTime: days since 1899-12-30 as a double, the fraction being the time of day.
// All texts are GBK. The forms written and read here are the ones the birthday table holds.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "datetime/day_number.h"

namespace memo {

using DateTime = double;

constexpr DateTime kMinDateTime = -657434.0;  // 0100-01-01, "100年1月1日"
constexpr DateTime kMaxDateTime = 2958465.0;  // 9999-12-31

// The current local date and time, to the second, as the clock seam reports it.
DateTime Now();

DateTime DatePart(DateTime value);
int YearOf(DateTime value);
int MonthOf(DateTime value);
int DayOf(DateTime value);
// Seconds since midnight (0..86399) of the clamped value, the time that DateToText shows.
int SecondOfDay(DateTime value);
double DaysBetween(DateTime a, DateTime b);
// kMinDateTime for a text that is no date, which is also the value of "100年1月1日";
// ParseDateText tells the two apart.
DateTime DateFromText(const std::string& text);
std::string DateToText(DateTime value);
DateTime ClampDateTime(DateTime value);
int64_t TruncateToInteger(double value);

std::string NumberToText(int64_t value);
std::string NumberToText(int value);
std::string NumberToText(double value);
double TextToNumber(const std::string& text);

// The numbers of a date text as written ("Y年M月D日", "Y-M-D", full-width digits, an
// optional time of day "H时M分S秒"), before any calendar says whether they make a date;
// nothing when the text does not have that form or the time of day is out of range.
struct DateTextFields {
  int year, month, day, hour, minute, second;
};
std::optional<DateTextFields> ReadDateTextFields(const std::string& text);

bool IsGregorianLeapYear(int year);
// 0 for a month outside 1..12.
int SolarMonthDays(int year, int month);
// True for a day of the Gregorian calendar within DateTime's years 100..9999.
bool IsSolarDate(int year, int month, int day);

// The value of a date text, or nothing when the text is no date or its value lies past
// kMaxDateTime; unlike DateFromText, "100年1月1日" is a value here like any other.
std::optional<DateTime> ParseDateText(const std::string& text);
// The fields of the date text that ParseDateText takes, without making its value.
std::optional<DateTextFields> ReadDateText(const std::string& text);

// Builds the DateTime of a civil date and time without any range check; callers that
// need validation go through DateFromText.
DateTime MakeDateTime(int year, int month, int day, int hour = 0, int minute = 0, int second = 0);

// The day of a value, clamped to DateTime's range as every other part of it is.
DayNumber DayNumberOf(DateTime value);
// The start of a day; a DateTime holds every day there is.
DateTime DateTimeOf(DayNumber day);

}  // namespace memo
