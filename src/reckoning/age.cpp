#include "reckoning/age.h"

#include "reckoning/next_birthday.h"

namespace memo {
namespace {

std::string YearsText(const Birthday& birthday, int year) {
  if (!birthday.ok()) return std::string();
  return NumberToText(year - birthday.year) + "岁";
}

}  // namespace

std::string AgeText(const Birthday& birthday, const TodayDates& today) {
  return YearsText(birthday, CurrentYear(today, birthday.lunar()));
}

std::string OccurrenceAgeText(const Birthday& birthday, const TodayDates& today) {
  return YearsText(birthday, OccurrenceYear(birthday, today));
}

}  // namespace memo
