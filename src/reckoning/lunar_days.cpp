#include "reckoning/lunar_days.h"

namespace memo {
namespace {

constexpr int kFirstEnteredYear = 1901;
// Lunar 2049 is in the tables only to end 2048: no solar day of it converts.
constexpr int kLastEnteredYear = 2048;

// The engine leaves its output untouched when it cannot convert; EmptyDateTime in the
// output then tells that nothing converted (no lunar date falls on 1899-12-30).
bool Converted(DateTime out) {
  return ClampDateTime(out) != ClampDateTime(EmptyDateTime);
}

DateTime ConvertToSolar(int year, int month, int day, bool leap) {
  DateTime out = EmptyDateTime;
  ConvertLunarToSolar(year, month, day, leap ? 1 : 0, out);
  return out;
}

}  // namespace

bool LunarDateExists(int year, int month, int day, bool leap) {
  return Converted(ConvertToSolar(year, month, day, leap));
}

bool IsLunarDate(int year, int month, int day, bool leap) {
  // A leap flag on a month that is not the year's leap month gives no length here.
  return year >= kFirstEnteredYear && year <= kLastEnteredYear && day >= 1 &&
         day <= LunarMonthDays(year, month, leap);
}

DateTime LunarToSolar(int year, int month, int day, bool leap) {
  DateTime out = ConvertToSolar(year, month, day, leap);
  if (Converted(out)) return out;
  // A day that does not convert (day 30 of a month that has 29 days this year, or a day
  // past the engine's last one): the day before. A leap-month birthday
  // takes it in the leap month when the year has that one, else in the ordinary month;
  // an ordinary birthday always in the ordinary month (never in a leap month that
  // happens to share its number).
  if (leap) {
    out = ConvertToSolar(year, month, day - 1, true);
    if (Converted(out)) return out;
  }
  return ConvertToSolar(year, month, day - 1, false);
}

std::optional<LunarDate> LunarDayOf(DateTime solar) {
  int year = 0, month = 0, day = 0;
  bool leap = false;
  if (!ConvertSolarToLunar(solar, year, month, day, leap)) return std::nullopt;
  return LunarDate{static_cast<uint16_t>(year), static_cast<uint16_t>(month),
                   static_cast<uint16_t>(day), leap};
}

std::optional<DateTime> SolarDayOf(int year, int month, int day, bool leap) {
  DateTime solar = EmptyDateTime;
  if (!IsLunarDate(year, month, day, leap) || !ConvertLunarToSolar(year, month, day, leap, solar)) {
    return std::nullopt;
  }
  return solar;
}

}  // namespace memo
