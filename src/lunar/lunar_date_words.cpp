#include "lunar/lunar_date_words.h"

#include <string_view>

#include "lunar/date_names.h"

namespace memo {
namespace {

constexpr int kMonths = 12, kDays = 30;
constexpr std::string_view kYearMark = "年", kLeapMark = "闰";

// The names people also write beside the program's own: months by their number, and 二十.
struct OtherName {
  const char* name;
  int number;
};
const OtherName kOtherMonthNames[] = {{"一月", 1}, {"十一月", 11}, {"十二月", 12}};
const OtherName kOtherDayNames[] = {{"二十", 20}};

bool Take(std::string_view& text, std::string_view part) {
  if (text.substr(0, part.size()) != part) return false;
  text.remove_prefix(part.size());
  return true;
}

int TakeMonth(std::string_view& text) {
  for (int month = 1; month <= kMonths; ++month) {
    if (Take(text, LunarMonthName(month, false))) return month;
  }
  for (const OtherName& other : kOtherMonthNames) {
    if (Take(text, other.name)) return other.number;
  }
  return 0;
}

int DayOfName(std::string_view text) {
  for (int day = 1; day <= kDays; ++day) {
    if (text == LunarDayName(day)) return day;
  }
  for (const OtherName& other : kOtherDayNames) {
    if (text == other.name) return other.number;
  }
  return 0;
}

}  // namespace

std::optional<LunarDate> ReadLunarDateWords(const std::string& text) {
  std::string_view rest = text;
  LunarDate date;
  size_t digits = 0;
  while (digits < rest.size() && digits < 4 && rest[digits] >= '0' && rest[digits] <= '9') {
    date.year = date.year * 10 + (rest[digits++] - '0');
  }
  rest.remove_prefix(digits);
  // Without a year ("腊月初八") the year is 0.
  if (digits > 0 && !Take(rest, kYearMark)) return std::nullopt;
  date.isLeapMonth = Take(rest, kLeapMark);
  date.month = TakeMonth(rest);
  date.day = DayOfName(rest);
  if (date.month == 0 || date.day == 0) return std::nullopt;
  return date;
}

}  // namespace memo
