#include "reckoning/birthday.h"

#include "text/text_operations.h"

namespace memo {
namespace {

constexpr int kLunarMonthsInYear = 12;
constexpr int kLongestLunarMonth = 30;
// Put before a month and day to read them; a leap year, so that 2月29日 reads too.
constexpr char kAnyYear[] = "2000年";

std::optional<DateTextFields> ReadLunarText(const std::string& text) {
  const std::optional<DateTextFields> read = ReadDateTextFields(text);
  if (!read || read->month < 1 || read->month > kLunarMonthsInYear || read->day < 1 ||
      read->day > kLongestLunarMonth) {
    return std::nullopt;
  }
  return read;
}

}  // namespace

Birthday ReadBirthday(std::string storedText, bool lunar) {
  Birthday birthday;
  birthday.calendar = lunar ? CalendarKind::kLunar : CalendarKind::kSolar;
  // The mark's first byte is ASCII: most texts are told apart without walking them.
  const bool leap = lunar && storedText.find(kLeapMonthMark[0]) != std::string::npos &&
                    FindText(storedText, kLeapMonthMark) != -1;
  const std::string dateText = leap ? ReplaceText(storedText, kLeapMonthMark, "") : storedText;
  auto read = [lunar](const std::string& text) {
    return lunar ? ReadLunarText(text) : ReadDateText(text);
  };
  std::optional<DateTextFields> date = read(dateText);
  if (!date && (date = read(kAnyYear + dateText))) date->year = 0;
  birthday.text = std::move(storedText);
  if (!date) return birthday;
  birthday.year = date->year;
  birthday.month = date->month;
  birthday.day = date->day;
  birthday.leap = leap;
  return birthday;
}

std::string DateTextOf(int year, int month, int day) {
  return NumberToText(year) + "年" + NumberToText(month) + "月" + NumberToText(day) + "日";
}

Birthday BirthdayOf(bool lunar, int year, int month, int day, bool leap) {
  Birthday birthday;
  birthday.calendar = lunar ? CalendarKind::kLunar : CalendarKind::kSolar;
  birthday.year = year;
  birthday.month = month;
  birthday.day = day;
  birthday.leap = lunar && leap;
  const std::string date = year == 0 ? NumberToText(month) + "月" + NumberToText(day) + "日"
                                     : DateTextOf(year, month, day);
  birthday.text = date + (birthday.leap ? kLeapMonthMark : "");
  return birthday;
}

}  // namespace memo
