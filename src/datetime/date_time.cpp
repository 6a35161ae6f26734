#include "datetime/date_time.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <optional>

#include "datetime/civil_date.h"
#include "text/text_operations.h"

namespace memo {
namespace {

constexpr int64_t kMillisecondsPerDay = 86400000;

struct Fields {
  int year, month, day, hour, minute, second;
};

// The whole part is the day; the fraction, taken without its sign, is the time of day,
// so -1.25 is 1899-12-29 06:00 as in every OLE date.
Fields Decode(DateTime value) {
  value = ClampDateTime(value);
  double whole = std::trunc(value);
  int64_t milliseconds = std::llround(std::fabs(value - whole) * kMillisecondsPerDay);
  if (milliseconds >= kMillisecondsPerDay) milliseconds = kMillisecondsPerDay - 1;
  CivilDate date = CivilFromDays(static_cast<int64_t>(whole) + kDateTimeEpochDays);
  int64_t seconds = milliseconds / 1000;
  return Fields{date.year,
                date.month,
                date.day,
                static_cast<int>(seconds / 3600),
                static_cast<int>(seconds / 60 % 60),
                static_cast<int>(seconds % 60)};
}

// Reads the fields of a date text from the left; each reader takes a digit run and then
// one of the separators allowed after that field.
class FieldReader {
 public:
  explicit FieldReader(const std::string& text) : text_(text) {}

  int Digits(size_t maxDigits) {
    int value = 0;
    for (size_t n = 0; n < maxDigits && pos_ < text_.size() && IsDigit(text_[pos_]); ++n) {
      value = value * 10 + (text_[pos_++] - '0');
    }
    return value;
  }

  // Skips one separator: the given Chinese unit character, or one of "-./:" (and a blank
  // when allowed).
  void SkipSeparator(const char* unit, bool blankAllowed = false) {
    if (RestStartsWith(unit)) {
      pos_ += 2;
      return;
    }
    if (pos_ < text_.size()) {
      char c = text_[pos_];
      if (c == '-' || c == '.' || c == '/' || c == ':' || (blankAllowed && c == ' ')) ++pos_;
    }
  }

  bool AtEnd() const { return pos_ == text_.size(); }
  bool RestStartsWith(const char* unit) const { return text_.compare(pos_, 2, unit) == 0; }

 private:
  static bool IsDigit(char c) { return c >= '0' && c <= '9'; }
  const std::string& text_;
  size_t pos_ = 0;
};

std::string Format(const char* pattern, int a, int b, int c) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, pattern, a, b, c);
  return buffer;
}

}  // namespace

DateTime MakeDateTime(int year, int month, int day, int hour, int minute, int second) {
  double days = static_cast<double>(DaysFromCivil(year, month, day) - kDateTimeEpochDays);
  double time = (hour * 3600.0 + minute * 60.0 + second) / 86400.0;
  return days >= 0 ? days + time : days - time;
}

DayNumber DayNumberOf(DateTime value) {
  return DayNumber(static_cast<int64_t>(DatePart(value)) + kDateTimeEpochDays);
}

DateTime DateTimeOf(DayNumber day) {
  return static_cast<DateTime>(day.days() - kDateTimeEpochDays);
}

DateTime ClampDateTime(DateTime value) {
  if (!(value >= kMinDateTime)) return kMinDateTime;  // NaN counts as below the range
  if (value > kMaxDateTime) return kMaxDateTime;
  return value;
}

DateTime DatePart(DateTime value) {
  return std::trunc(ClampDateTime(value));
}
int YearOf(DateTime value) {
  return Decode(value).year;
}
int MonthOf(DateTime value) {
  return Decode(value).month;
}
int DayOf(DateTime value) {
  return Decode(value).day;
}
int SecondOfDay(DateTime value) {
  Fields f = Decode(value);
  return f.hour * 3600 + f.minute * 60 + f.second;
}

double DaysBetween(DateTime a, DateTime b) {
  a = ClampDateTime(a);
  b = ClampDateTime(b);
  return a == b ? 0.0 : a - b;
}

int64_t TruncateToInteger(double value) {
  // Converting a value beyond the 64-bit range is undefined, so it saturates instead; the
  // texts a user types may hold any number ("1e300").
  constexpr double kTwoToThe63 = 9223372036854775808.0;
  if (std::isnan(value)) return 0;
  if (value >= kTwoToThe63) return std::numeric_limits<int64_t>::max();
  if (value < -kTwoToThe63) return std::numeric_limits<int64_t>::min();
  return static_cast<int64_t>(value);
}

std::string DateToText(DateTime value) {
  Fields f = Decode(value);
  std::string text = Format("%d年%d月%d日", f.year, f.month, f.day);
  if (f.second != 0) {
    text += Format("%d时%d分%d秒", f.hour, f.minute, f.second);
  } else if (f.minute != 0) {
    text += Format("%d时%d分", f.hour, f.minute, 0);
  } else if (f.hour != 0) {
    text += Format("%d时", f.hour, 0, 0);
  }
  return text;
}

std::optional<DateTextFields> ReadDateTextFields(const std::string& text) {
  if (text.empty()) return std::nullopt;
  // Full-width forms lead with one of two bytes; a text without them needs no folding.
  const bool fullWidth = text.find_first_of("\xA1\xA3") != std::string::npos;
  const std::string folded = fullWidth ? FoldFullWidth(text) : std::string();
  FieldReader reader(fullWidth ? folded : text);
  DateTextFields read{};
  read.year = reader.Digits(4);
  reader.SkipSeparator("年");
  read.month = reader.Digits(2);
  reader.SkipSeparator("月");
  read.day = reader.Digits(2);
  reader.SkipSeparator("日", true);
  read.hour = reader.Digits(2);
  reader.SkipSeparator("时");
  read.minute = reader.Digits(2);
  reader.SkipSeparator("分");
  read.second = reader.Digits(2);
  if (!reader.AtEnd() && !reader.RestStartsWith("秒")) return std::nullopt;
  if (read.hour > 23 || read.minute > 59 || read.second > 59) return std::nullopt;
  return read;
}

bool IsGregorianLeapYear(int year) {
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int SolarMonthDays(int year, int month) {
  static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 0;
  return month == 2 && IsGregorianLeapYear(year) ? 29 : kDays[month - 1];
}

bool IsSolarDate(int year, int month, int day) {
  return DayNumber::FromCivil(year, month, day).ok();
}

std::optional<DateTextFields> ReadDateText(const std::string& text) {
  const std::optional<DateTextFields> read = ReadDateTextFields(text);
  if (!read || !IsSolarDate(read->year, read->month, read->day)) return std::nullopt;
  // A time of day on the last day would lie past the range every date value keeps to.
  const bool pastLastDay = read->year == 9999 && read->month == 12 && read->day == 31 &&
                           (read->hour | read->minute | read->second) != 0;
  if (pastLastDay) return std::nullopt;
  return read;
}

namespace {

DateTime ValueOf(const DateTextFields& read) {
  return MakeDateTime(read.year, read.month, read.day, read.hour, read.minute, read.second);
}

}  // namespace

DateTime DateFromText(const std::string& text) {
  const std::optional<DateTextFields> read = ReadDateTextFields(text);
  if (!read || !IsSolarDate(read->year, read->month, read->day)) return kMinDateTime;
  return ValueOf(*read);
}

std::optional<DateTime> ParseDateText(const std::string& text) {
  const std::optional<DateTextFields> read = ReadDateText(text);
  if (!read) return std::nullopt;
  return ValueOf(*read);
}

std::string NumberToText(int64_t value) {
  return std::to_string(value);
}
std::string NumberToText(int value) {
  return std::to_string(value);
}

std::string NumberToText(double value) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.13g", value);
  return buffer;
}

double TextToNumber(const std::string& text) {
  const std::string folded = FoldFullWidth(text);
  // The longest prefix of the form [sign] digits [. digits] [e [sign] digits].
  size_t i = 0, n = folded.size();
  auto digitsFrom = [&](size_t at) {
    size_t end = at;
    while (end < n && folded[end] >= '0' && folded[end] <= '9') ++end;
    return end;
  };
  if (i < n && (folded[i] == '+' || folded[i] == '-')) ++i;
  size_t afterWhole = digitsFrom(i);
  size_t end = afterWhole;
  bool anyDigit = afterWhole > i;
  if (end < n && folded[end] == '.') {
    size_t afterFraction = digitsFrom(end + 1);
    if (afterFraction > end + 1 || anyDigit) {
      anyDigit = anyDigit || afterFraction > end + 1;
      end = afterFraction;
    }
  }
  if (!anyDigit) return 0.0;
  if (end < n && (folded[end] == 'e' || folded[end] == 'E')) {
    size_t at = end + 1;
    if (at < n && (folded[at] == '+' || folded[at] == '-')) ++at;
    size_t afterExponent = digitsFrom(at);
    if (afterExponent > at) end = afterExponent;
  }
  return std::strtod(folded.substr(0, end).c_str(), nullptr);
}

}  // namespace memo
