#include "reckoning/age_forms.h"

#include "reckoning/birth_signs.h"
#include "reckoning/lunar_days.h"
#include "reckoning/next_birthday.h"
#include "reckoning/occurrence.h"

namespace memo {
namespace {

constexpr int kFirstElderMilestone = 60;
constexpr int kLastMilestone = 120;
constexpr int kHundred = 100;
constexpr const char* kDigitNames[] = {"", "一", "二", "三", "四", "五", "六", "七", "八", "九"};

std::optional<int> NominalAge(const Birthday& birthday, const std::optional<LunarDate>& day) {
  const std::optional<int> birthYear = LunarYearOfBirth(birthday);
  if (!birthYear || !day) return std::nullopt;
  return day->year - *birthYear + 1;
}

// "三十", "一百一十": a whole ten from 10 to 120 in words.
std::string TensInWords(int age) {
  const int hundreds = age / kHundred, tens = age % kHundred / 10;
  std::string words = hundreds > 0 ? std::string(kDigitNames[hundreds]) + "百" : "";
  if (tens > 0) words += std::string(hundreds > 0 || tens > 1 ? kDigitNames[tens] : "") + "十";
  return words;
}

// The years completed today: one less than the difference of the year numbers until this
// year's birthday, on the day the upcoming list counts it, has come. A year whose birthday
// falls on no day (outside the engine's years) keeps the difference; a birth later this year
// is 0, not −1.
int CompletedYears(const Birthday& birthday, const TodayDates& today) {
  const int year = CurrentYear(today, birthday.lunar());
  const DayNumber day = OccurrenceIn(birthday, year);
  const bool stillToCome = day.ok() && day > DayNumberOf(today.solar) && year > birthday.year;
  return year - birthday.year - (stillToCome ? 1 : 0);
}

}  // namespace

std::optional<Ages> AgesToday(const Birthday& birthday, const TodayDates& today) {
  if (!birthday.ok() || !birthday.hasYear()) return std::nullopt;
  return Ages{CompletedYears(birthday, today), NominalAge(birthday, today.lunar)};
}

Ages AgesOnBirthday(const Birthday& birthday, int year, DayNumber day) {
  return Ages{year - birthday.year, NominalAge(birthday, LunarFromSolar(day))};
}

std::optional<Ages> AgesAtOccurrence(const Birthday& birthday, const TodayDates& today) {
  if (!birthday.ok() || !birthday.hasYear()) return std::nullopt;
  const int year = OccurrenceYear(birthday, today);
  return AgesOnBirthday(birthday, year, OccurrenceIn(birthday, year));
}

std::string AgeInForm(const Ages& ages, AgeForm form) {
  const std::string fullYears = NumberToText(ages.fullYears) + "岁";
  if (!ages.nominal) return form == AgeForm::kNominal ? std::string() : fullYears;
  const std::string nominal = "虚岁" + NumberToText(*ages.nominal);
  switch (form) {
    case AgeForm::kNominal:
      return nominal;
    case AgeForm::kBoth:
      return fullYears + "（" + nominal + "）";
    case AgeForm::kFullYears:
      break;
  }
  return fullYears;
}

int CountedAge(const Ages& ages, AgeForm form) {
  return form == AgeForm::kNominal && ages.nominal ? *ages.nominal : ages.fullYears;
}

std::string MilestoneName(const Ages& ages, AgeForm form) {
  // 虚岁 alone shows no age where it is unknown, and a mark needs an age beside it.
  if (form == AgeForm::kNominal && !ages.nominal) return std::string();
  if (ages.fullYears == 1) return "一周岁";
  const int age = CountedAge(ages, form);
  if (age < 10 || age > kLastMilestone || age % 10 != 0) return std::string();
  if (age == kHundred) return "百岁大寿";
  return TensInWords(age) + (age >= kFirstElderMilestone ? "大寿" : "岁整生日");
}

std::string MilestoneMark(const Ages& ages, AgeForm form) {
  const std::string name = MilestoneName(ages, form);
  return name.empty() ? name : "（" + name + "）";
}

}  // namespace memo
