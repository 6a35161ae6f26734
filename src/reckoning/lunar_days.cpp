#include "reckoning/lunar_days.h"

namespace memo {
namespace {

DayNumber ConvertToSolar(int year, int month, int day, bool leap) {
  return SolarFromLunar(LunarDate{year, month, day, leap}).value_or(DayNumber());
}

}  // namespace

bool LunarDateExists(int year, int month, int day, bool leap) {
  return ConvertToSolar(year, month, day, leap).ok();
}

bool IsLunarDate(int year, int month, int day, bool leap) {
  // A leap flag on a month that is not the year's leap month gives no length here.
  return year >= kFirstLunarYear && year <= kLastEnteredLunarYear && day >= 1 &&
         day <= LunarMonthDays(year, month, leap);
}

DayNumber LunarToSolar(int year, int month, int day, bool leap) {
  if (const DayNumber solar = ConvertToSolar(year, month, day, leap); solar.ok()) return solar;
  // A day that does not convert (day 30 of a month that has 29 days this year, or a day
  // past the engine's last one): the day before. A leap-month birthday
  // takes it in the leap month when the year has that one, else in the ordinary month;
  // an ordinary birthday always in the ordinary month (never in a leap month that
  // happens to share its number).
  if (leap) {
    if (const DayNumber solar = ConvertToSolar(year, month, day - 1, true); solar.ok()) {
      return solar;
    }
  }
  return ConvertToSolar(year, month, day - 1, false);
}

DayNumber SolarDayOf(int year, int month, int day, bool leap) {
  if (!IsLunarDate(year, month, day, leap)) return DayNumber();
  return ConvertToSolar(year, month, day, leap);
}

}  // namespace memo
