#include "reckoning/age.h"

#include "reckoning/age_forms.h"

namespace memo {
namespace {

std::string TextOf(const Birthday& birthday, const std::optional<Ages>& ages, AgeForm form) {
  if (ages) return AgeInForm(*ages, form);
  return birthday.ok() ? kNoAge : std::string();
}

}  // namespace

std::string AgeText(const Birthday& birthday, const TodayDates& today, AgeForm form) {
  return TextOf(birthday, AgesToday(birthday, today), form);
}

std::string OccurrenceAgeText(const Birthday& birthday, const TodayDates& today, AgeForm form) {
  return TextOf(birthday, AgesAtOccurrence(birthday, today), form);
}

}  // namespace memo
