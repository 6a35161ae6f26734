#include "reckoning/age.h"

#include "reckoning/age_forms.h"

namespace memo {
namespace {

std::string TextOf(const std::optional<Ages>& ages, AgeForm form) {
  return ages ? AgeInForm(*ages, form) : std::string();
}

}  // namespace

std::string AgeText(const Birthday& birthday, const TodayDates& today, AgeForm form) {
  return TextOf(AgesToday(birthday, today), form);
}

std::string OccurrenceAgeText(const Birthday& birthday, const TodayDates& today, AgeForm form) {
  return TextOf(AgesAtOccurrence(birthday, today), form);
}

}  // namespace memo
