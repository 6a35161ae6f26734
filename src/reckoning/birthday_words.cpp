#include "reckoning/birthday_words.h"

#include "lunar/date_names.h"

namespace memo {

std::string BirthdayWords(const Birthday& birthday) {
  if (!birthday.lunar() || !birthday.ok()) return birthday.text;
  if (!birthday.hasYear())
    return LunarMonthName(birthday.month, birthday.leap) + LunarDayName(birthday.day);
  return LunarDateName(birthday.year, birthday.month, birthday.day, birthday.leap);
}

}  // namespace memo
