#include "reckoning/birthday_words.h"

#include "lunar/date_names.h"

namespace memo {

std::string BirthdayWords(const Birthday& birthday) {
  if (!birthday.lunar() || !birthday.ok()) return birthday.text;
  return LunarDateName(birthday.year, birthday.month, birthday.day, birthday.leap);
}

}  // namespace memo
