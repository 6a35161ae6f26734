#include "reckoning/lunar_carrier.h"

#include "lunar/lunar_engine.h"

namespace memo {
namespace {

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

std::string DateTextOf(int year, int month, int day) {
  return NumberToText(year) + "年" + NumberToText(month) + "月" + NumberToText(day) + "日";
}

DateTime Today() {
  return DatePart(Now());
}

LunarDate TodayLunarDate() {
  return TodayNow().lunar;
}

TodayDates TodayNow() {
  return DayOfMoment(Now());
}

TodayDates DayOfMoment(DateTime moment) {
  int year = 0, month = 0, day = 0;
  bool leap = false;
  if (!ConvertSolarToLunar(moment, year, month, day, leap)) {
    return TodayDates{DatePart(moment), {}};
  }
  return TodayDates{DatePart(moment),
                    LunarDate{static_cast<uint16_t>(year), static_cast<uint16_t>(month),
                              static_cast<uint16_t>(day), leap}};
}

std::string LunarDateText(const LunarDate& date) {
  if (date.year == 0) return DateToText(MinDateTime);
  return DateTextOf(date.year, date.month, date.day);
}

int CurrentYear(const TodayDates& today, bool lunar) {
  if (!lunar) return today.solarYear;
  return today.lunar.year == 0 ? YearOf(MinDateTime) : today.lunar.year;
}

bool LunarDateExists(DateTime carrier, bool leap) {
  return LunarDateExists(YearOf(carrier), MonthOf(carrier), DayOf(carrier), leap);
}

bool LunarDateExists(int year, int month, int day, bool leap) {
  return Converted(ConvertToSolar(year, month, day, leap));
}

DateTime LunarToSolar(DateTime carrier, bool leap) {
  return LunarToSolar(YearOf(carrier), MonthOf(carrier), DayOf(carrier), leap);
}

DateTime LunarToSolar(int year, int month, int day, bool leap) {
  DateTime out = ConvertToSolar(year, month, day, leap);
  if (Converted(out)) return out;
  // Day 30 of a month that has 29 days this year: the day before. A leap-month birthday
  // takes it in the leap month when the year has that one, else in the ordinary month;
  // an ordinary birthday always in the ordinary month (never in a leap month that
  // happens to share its number).
  const int dayBefore = static_cast<int>(TruncateToInteger(day - 1.0));
  if (leap) {
    out = ConvertToSolar(year, month, dayBefore, true);
    if (Converted(out)) return out;
  }
  return ConvertToSolar(year, month, dayBefore, false);
}

}  // namespace memo
