#include "lunar/lunar_engine.h"

#include "datetime/civil_date.h"
#include "lunar/lunar_tables.h"

namespace memo {
namespace {

static_assert(kLunarDayCount <= UINT16_MAX, "day numbers must fit the 16-bit index");

constexpr int64_t kLunarEpochDays = DaysFromCivil(1901, 2, 19);
// Solar dates from 2049-01-01 on are not converted, although lunar 2049 is in the tables.
constexpr int kLastConvertibleDay = static_cast<int>(DaysFromCivil(2048, 12, 31) - kLunarEpochDays);

bool InTableRange(int lunarYear) {
  return lunarYear >= kFirstLunarYear && lunarYear <= kLastLunarYear;
}

// Days since 1970-01-01 of a day of a month, the day not checked against the month's length
// (so 31 April counts as 1 May).
int64_t DayNumber(int year, int month, int day) {
  return DaysFromCivil(year, month, 1) + day - 1;
}

// The month (in the index's numbering) that holds a lunar month of a year in the tables.
int MonthNumberOf(int lunarYear, int month, bool isLeapMonth) {
  const int leapAfter = LeapMonthOf(lunarYear);
  const bool afterLeap =
      leapAfter != 0 && (month > leapAfter || (month == leapAfter && isLeapMonth));
  return kLunarMonthIndex.firstOfYear[lunarYear - kFirstLunarYear] + month - 1 +
         (afterLeap ? 1 : 0);
}

}  // namespace

int CompareYmd(uint16_t y1, uint16_t m1, uint16_t d1, uint16_t y2, uint16_t m2, uint16_t d2) {
  if (y1 != y2) return y1 > y2 ? 1 : -1;
  if (m1 != m2) return m1 > m2 ? 1 : -1;
  if (d1 != d2) return d1 > d2 ? 1 : -1;
  return 0;
}

// A day past the month's end is not counted on: the next step forward lands on the 1st of
// the following month. Day or month 0 step back to the end of the month or year before.
void StepSolarDays(uint16_t& year, uint16_t& month, uint16_t& day, int n) {
  for (; n > 0; --n) {
    if (++day > SolarMonthDays(year, month)) {
      day = 1;
      if (++month > 12) {
        month = 1;
        ++year;
      }
    }
  }
  for (; n < 0; ++n) {
    if (day <= 1) {
      if (month <= 1) {
        month = 12;
        --year;
      } else {
        --month;
      }
      day = static_cast<uint16_t>(SolarMonthDays(year, month));
    } else {
      --day;
    }
  }
}

uint16_t LeapMonthOf(int lunarYear) {
  if (!InTableRange(lunarYear)) return 0xFFFF;
  return static_cast<uint16_t>(lunar_tables::LeapMonthNibble(lunarYear));
}

std::pair<int, int> LunarMonthLengths(int lunarYear, int month) {
  if (!InTableRange(lunarYear) || month < 1 || month > 12) return {0, 0};
  const int leapAfter = LeapMonthOf(lunarYear);
  const int slot = leapAfter != 0 && month > leapAfter ? month : month - 1;
  const int ordinary = lunar_tables::SlotDays(lunarYear, slot);
  const int leap = month == leapAfter ? lunar_tables::SlotDays(lunarYear, slot + 1) : 0;
  return {ordinary, leap};
}

int LunarMonthDays(int lunarYear, int month, bool isLeapMonth) {
  const auto [ordinary, leap] = LunarMonthLengths(lunarYear, month);
  return isLeapMonth ? leap : ordinary;
}

int LunarYearDays(int lunarYear) {
  if (!InTableRange(lunarYear)) return 0;
  const int index = lunarYear - kFirstLunarYear;
  const auto& months = kLunarMonthIndex;
  return months.start[months.firstOfYear[index + 1]] - months.start[months.firstOfYear[index]];
}

bool LunarFromSolar(uint16_t year, uint16_t month, uint16_t day, LunarDate& out) {
  if (month == 0 || month > 12 || year >= 2049 || CompareYmd(year, month, day, 1901, 2, 19) < 0) {
    return false;
  }
  const int64_t n = DayNumber(year, month, day) - kLunarEpochDays;
  // Only a day far past its month's end reaches beyond the tables.
  if (n >= kLunarDayCount) return false;
  const auto& months = kLunarMonthIndex;
  int number = months.atChunk[n >> kLunarChunkShift];
  while (n >= months.start[number + 1]) ++number;
  const int name = months.name[number];
  out.year = static_cast<uint16_t>(kFirstLunarYear + (name >> 5));
  out.month = static_cast<uint16_t>((name >> 1) & 0xF);
  out.day = static_cast<uint16_t>(n - months.start[number] + 1);
  out.isLeapMonth = (name & 1) != 0;
  return true;
}

bool SolarFromLunar(uint16_t year, uint16_t month, uint16_t day, bool isLeapMonth, SolarDate& out) {
  if (!InTableRange(year) || month < 1 || month > 12) return false;
  // A leap month the year does not have is taken as the ordinary month of that number.
  const bool leap = isLeapMonth && month == LeapMonthOf(year);
  const auto& months = kLunarMonthIndex;
  const int number = MonthNumberOf(year, month, leap);
  const int first = months.start[number];
  if (day < 1 || day > months.start[number + 1] - first) return false;
  const int n = first + day - 1;
  if (n > kLastConvertibleDay) return false;
  const CivilDate solar = CivilFromDays(kLunarEpochDays + n);
  out.year = static_cast<uint16_t>(solar.year);
  out.month = static_cast<uint16_t>(solar.month);
  out.day = static_cast<uint16_t>(solar.day);
  return true;
}

bool ConvertSolarToLunar(DateTime solar, int& year, int& month, int& day, bool& isLeapMonth) {
  LunarDate lunar;
  if (!LunarFromSolar(static_cast<uint16_t>(YearOf(solar)), static_cast<uint16_t>(MonthOf(solar)),
                      static_cast<uint16_t>(DayOf(solar)), lunar)) {
    return false;
  }
  year = lunar.year;
  month = lunar.month;
  day = lunar.day;
  isLeapMonth = lunar.isLeapMonth;
  return true;
}

bool ConvertLunarToSolar(int year, int month, int day, int isLeapMonth, DateTime& solar) {
  SolarDate date;
  if (!SolarFromLunar(static_cast<uint16_t>(year), static_cast<uint16_t>(month),
                      static_cast<uint16_t>(day), isLeapMonth == 1, date)) {
    return false;
  }
  solar = MakeDateTime(date.year, date.month, date.day);
  return true;
}

}  // namespace memo
