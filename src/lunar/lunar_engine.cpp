#include "lunar/lunar_engine.h"

#include "lunar/lunar_tables.h"

namespace memo {
namespace {

static_assert(kLunarDayCount <= UINT16_MAX, "day numbers must fit the 16-bit index");
static_assert(kLastLunarDay - kFirstLunarDay < kLunarDayCount, "every day converts");

bool InTableRange(int lunarYear) {
  return lunarYear >= kFirstLunarYear && lunarYear <= kLastLunarYear;
}

// The month (in the index's numbering) that holds a lunar month of a year in the tables.
int MonthNumberOf(int lunarYear, int month, bool isLeapMonth) {
  const int leapAfter = lunar_tables::LeapMonthNibble(lunarYear);
  const bool afterLeap =
      leapAfter != 0 && (month > leapAfter || (month == leapAfter && isLeapMonth));
  return kLunarMonthIndex.firstOfYear[lunarYear - kFirstLunarYear] + month - 1 +
         (afterLeap ? 1 : 0);
}

}  // namespace

std::optional<int> LeapMonthOf(int lunarYear) {
  if (!InTableRange(lunarYear)) return std::nullopt;
  return lunar_tables::LeapMonthNibble(lunarYear);
}

std::pair<int, int> LunarMonthLengths(int lunarYear, int month) {
  if (!InTableRange(lunarYear) || month < 1 || month > 12) return {0, 0};
  const int leapAfter = lunar_tables::LeapMonthNibble(lunarYear);
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

std::optional<LunarDate> LunarFromSolar(DayNumber day) {
  if (!day.ok() || day < kFirstLunarDay || day > kLastLunarDay) return std::nullopt;
  const int n = static_cast<int>(day - kFirstLunarDay);
  const auto& months = kLunarMonthIndex;
  int number = months.atChunk[n >> kLunarChunkShift];
  while (n >= months.start[number + 1]) ++number;
  const int name = months.name[number];
  return LunarDate{kFirstLunarYear + (name >> 5), (name >> 1) & 0xF, n - months.start[number] + 1,
                   (name & 1) != 0};
}

std::optional<DayNumber> SolarFromLunar(const LunarDate& date) {
  if (!InTableRange(date.year) || date.month < 1 || date.month > 12) return std::nullopt;
  const bool leap = date.isLeapMonth && date.month == lunar_tables::LeapMonthNibble(date.year);
  const auto& months = kLunarMonthIndex;
  const int number = MonthNumberOf(date.year, date.month, leap);
  const int first = months.start[number];
  if (date.day < 1 || date.day > months.start[number + 1] - first) return std::nullopt;
  const DayNumber day = kFirstLunarDay + first + date.day - 1;
  if (day > kLastLunarDay) return std::nullopt;
  return day;
}

}  // namespace memo
