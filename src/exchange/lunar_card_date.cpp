#include "exchange/lunar_card_date.h"

#include <cstdio>

#include "lunar/date_names.h"
#include "text/text_operations.h"

namespace memo {
namespace {

constexpr int kCycleYears = 60;
// Year 1 of cycle 1 is lunar year -2636 (2637 BC): cycle 78 begins in 1984.
constexpr int kCycleEpoch = -2636;
constexpr char kLeapNotePrefix[] = "农历生日：";

// The digits of a fixed-width field, or -1.
int Field(std::string_view digits, size_t at, size_t width) {
  int value = 0;
  for (size_t i = at; i < at + width; ++i) {
    if (digits[i] < '0' || digits[i] > '9') return -1;
    value = value * 10 + (digits[i] - '0');
  }
  return value;
}

}  // namespace

std::string LunarCardDigits(int year, int month, int day) {
  const int sinceEpoch = year - kCycleEpoch;
  char digits[32];
  std::snprintf(digits, sizeof digits, "%04d%04d%02d%02d", sinceEpoch / kCycleYears + 1,
                sinceEpoch % kCycleYears + 1, month, day);
  return digits;
}

CardDateForm ReadLunarCardDigits(std::string_view value, LunarDate& date) {
  std::string digits;
  for (char c : value) {
    if (c != '-') digits.push_back(c);
    if (digits.size() > 12) return CardDateForm::kInvalid;
  }
  if (digits.size() == 4 && value.substr(0, 2) == "--") {
    const int month = Field(digits, 0, 2), day = Field(digits, 2, 2);
    if (month < 1 || day < 1) return CardDateForm::kInvalid;
    date = LunarDate{0, month, day, false};
    return CardDateForm::kNoYear;
  }
  if (digits.size() == 8) {
    const int year = Field(digits, 0, 4), month = Field(digits, 4, 2), day = Field(digits, 6, 2);
    if (year < 1 || month < 1 || day < 1) return CardDateForm::kInvalid;
    date = LunarDate{year, month, day, false};
    return CardDateForm::kFull;
  }
  if (digits.size() != 12) return CardDateForm::kInvalid;
  const int cycle = Field(digits, 0, 4), yearInCycle = Field(digits, 4, 4);
  const int month = Field(digits, 8, 2), day = Field(digits, 10, 2);
  if (cycle < 1 || yearInCycle < 1 || yearInCycle > kCycleYears || month < 1 || day < 1) {
    return CardDateForm::kInvalid;
  }
  date = LunarDate{(cycle - 1) * kCycleYears + yearInCycle - 1 + kCycleEpoch, month, day, false};
  return CardDateForm::kFull;
}

std::string LeapMonthNote(int month, int day) {
  return kLeapNotePrefix + LunarMonthName(month, true) + LunarDayName(day);
}

bool NotesLeapMonth(const std::string& note, int month) {
  const std::string leapMonth = LunarMonthName(month, true);
  return !leapMonth.empty() && FindText(note, kLeapNotePrefix + leapMonth) != -1;
}

}  // namespace memo
