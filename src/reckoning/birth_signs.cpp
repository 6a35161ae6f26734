#include "reckoning/birth_signs.h"

#include <optional>

#include "lunar/date_names.h"
#include "reckoning/lunar_days.h"

namespace memo {
namespace {

struct StarSign {
  int month, firstDay;  // the sign holds from this solar day to the next sign's first day
  const char* name;
};
constexpr StarSign kStarSigns[] = {
    {1, 20, "水瓶座"}, {2, 19, "双鱼座"},  {3, 21, "白羊座"},  {4, 20, "金牛座"},
    {5, 21, "双子座"}, {6, 22, "巨蟹座"},  {7, 23, "狮子座"},  {8, 23, "处女座"},
    {9, 23, "天秤座"}, {10, 24, "天蝎座"}, {11, 23, "射手座"}, {12, 22, "摩羯座"},
};

// A solar birthday without a year is placed in a leap year, where every month and day is one;
// a lunar one without a year falls on no known solar day.
constexpr int kAnyLeapYear = 2000;

DayNumber SolarBirthDay(const Birthday& birthday) {
  if (!birthday.hasYear()) {
    return birthday.lunar() ? DayNumber()
                            : DayNumber::FromCivil(kAnyLeapYear, birthday.month, birthday.day);
  }
  if (birthday.lunar()) {
    return SolarDayOf(birthday.year, birthday.month, birthday.day, birthday.leap);
  }
  return DayNumber::FromCivil(birthday.year, birthday.month, birthday.day);
}

}  // namespace

std::optional<int> LunarYearOfBirth(const Birthday& birthday) {
  if (!birthday.ok() || !birthday.hasYear()) return std::nullopt;
  if (birthday.lunar()) return birthday.year;
  const std::optional<LunarDate> lunar = LunarFromSolar(SolarBirthDay(birthday));
  if (!lunar) return std::nullopt;
  return lunar->year;
}

std::string ZodiacOfBirth(const Birthday& birthday) {
  const std::optional<int> year = LunarYearOfBirth(birthday);
  if (!year || *year < kFirstLunarYear || *year > kLastLunarYear) return std::string();
  // 1900 was a year of the rat (子), the first of the twelve branches, which count from 1.
  return ZodiacName((*year - 1900) % 12 + 1);
}

std::string StarSignOf(int month, int day) {
  // Before the first sign's first day of its month, the day still has the sign before it.
  const StarSign& sign = kStarSigns[month - 1];
  return day >= sign.firstDay ? sign.name : kStarSigns[(month + 10) % 12].name;
}

std::string StarSignOfBirth(const Birthday& birthday) {
  if (!birthday.ok()) return std::string();
  const DayNumber day = SolarBirthDay(birthday);
  if (!day.ok()) return std::string();
  return StarSignOf(day.civil().month, day.civil().day);
}

}  // namespace memo
