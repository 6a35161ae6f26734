#include "reckoning/age.h"

namespace memo {

std::string AgeText(const Birthday& birthday, const TodayDates& today) {
  if (!birthday.ok()) return std::string();
  return NumberToText(CurrentYear(today, birthday.lunar()) - birthday.year) + "岁";
}

}  // namespace memo
