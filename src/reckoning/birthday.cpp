#include "reckoning/birthday.h"

#include "datetime/gbk_text.h"

namespace memo {

Birthday ReadBirthday(std::string storedText, bool lunar) {
  Birthday birthday;
  birthday.calendar = lunar ? CalendarKind::kLunar : CalendarKind::kSolar;
  // The mark's first byte is ASCII: most texts are told apart without walking them.
  const bool leap = lunar && storedText.find(kLeapMonthMark[0]) != std::string::npos &&
                    FindText(storedText, kLeapMonthMark) != -1;
  const std::optional<DateTextFields> date =
      ReadDateText(leap ? ReplaceText(storedText, kLeapMonthMark, "") : storedText);
  birthday.text = std::move(storedText);
  if (!date) return birthday;
  birthday.year = date->year;
  birthday.month = date->month;
  birthday.day = date->day;
  birthday.leap = leap;
  return birthday;
}

std::string BirthdayText(int year, int month, int day, bool lunar, bool leap) {
  return NumberToText(year) + "年" + NumberToText(month) + "月" + NumberToText(day) + "日" +
         (lunar && leap ? kLeapMonthMark : "");
}

Birthday BirthdayOn(DateTime date, bool lunar, bool leap) {
  Birthday birthday;
  birthday.calendar = lunar ? CalendarKind::kLunar : CalendarKind::kSolar;
  birthday.year = YearOf(date);
  birthday.month = MonthOf(date);
  birthday.day = DayOf(date);
  birthday.leap = lunar && leap;
  birthday.text = BirthdayText(birthday.year, birthday.month, birthday.day, lunar, leap);
  return birthday;
}

}  // namespace memo
