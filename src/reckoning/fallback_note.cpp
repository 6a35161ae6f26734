#include "reckoning/fallback_note.h"

#include "datetime/date_time.h"
#include "reckoning/lunar_days.h"
#include "reckoning/next_birthday.h"

namespace memo {
namespace {

bool Exists(int year, int month, int day, bool leap, bool lunar) {
  return lunar ? LunarDateExists(year, month, day, leap) : IsSolarDate(year, month, day);
}

std::string Note(int year, int month, int day, bool lunar, bool leap) {
  const std::string missing = DateTextOf(year, month, day);
  const std::string dayBefore = DateTextOf(year, month, day - 1);
  if (!lunar) return "公历" + missing + "不存在!该好友的生日以公历" + dayBefore + "为生日计算。";
  const std::string ordinaryNote =
      "农历" + missing + "不存在!该好友的生日以农历" + dayBefore + "为生日计算。";
  if (!leap) return ordinaryNote;
  if (LunarDateExists(year, month, day - 1, true)) {
    return "农历" + missing + "[闰月]不存在!该好友的生日以农历" + dayBefore + "[闰月]为生日计算。";
  }
  if (LunarDateExists(year, month, day - 1, false)) return ordinaryNote;
  return std::string();
}

}  // namespace

std::optional<std::string> FallbackNote(const Birthday& birthday, const TodayDates& today) {
  const int year = OccurrenceYear(birthday, today);
  const bool lunar = birthday.lunar();
  if (Exists(year, birthday.month, birthday.day, birthday.leap, lunar)) return std::nullopt;
  return Note(year, birthday.month, birthday.day, lunar, birthday.leap);
}

}  // namespace memo
