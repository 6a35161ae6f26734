#include "reckoning/fallback_note.h"

#include "datetime/date_time.h"
#include "datetime/gbk_text.h"
#include "reckoning/lunar_carrier.h"

namespace memo {
namespace {

bool IsDue(int month, int day, bool leap, bool lunar, const TodayDates& today) {
  if (!lunar) return !IsSolarDate(CurrentYear(today, false), month, day);
  // Month and day as they read in a Gregorian leap year, so that 2月29日 reads in every
  // year; whether the day exists is then the lunar year's own answer.
  if (!IsSolarDate(2000, month, day)) return true;
  return !LunarDateExists(CurrentYear(today, true), month, day, leap);
}

std::string Note(int year, int month, double day, bool lunar, bool leap) {
  const std::string missing = DateTextOf(year, month, static_cast<int>(TruncateToInteger(day)));
  // The day before, written from a floating-point number that prints without decimals.
  const std::string dayBefore =
      NumberToText(year) + "年" + NumberToText(month) + "月" + NumberToText(day - 1.0);

  if (!lunar) {
    return "公历" + missing + "不存在!该好友的生日以公历" + dayBefore + "日为生日计算。";
  }
  const std::string ordinaryNote =
      "农历" + missing + "不存在!该好友的生日以农历" + dayBefore + "日为生日计算。";
  if (!leap) return ordinaryNote;
  const DateTime before = DateFromText(dayBefore);
  if (LunarDateExists(before, true)) {
    return "农历" + missing + "[闰月]不存在!该好友的生日以农历" + dayBefore +
           "日[闰月]为生日计算。";
  }
  if (LunarDateExists(before, false)) return ordinaryNote;
  return std::string();
}

}  // namespace

bool NoteIsDue(const std::string& monthDayText, bool lunar) {
  const bool leap = lunar && FindText(monthDayText, kLeapMonthMark) != -1;
  const std::optional<DateTextFields> read = ReadDateTextFields(
      "2000年" + (leap ? ReplaceText(monthDayText, kLeapMonthMark, "") : monthDayText));
  return !read || IsDue(read->month, read->day, leap, lunar, TodayNow());
}

std::string FallbackNote(const std::string& monthDayText, bool lunar) {
  const int month = static_cast<int>(TruncateToInteger(TextToNumber(monthDayText)));
  const int monthAt = FindText(monthDayText, "月");
  const double day = monthAt == -1 ? 0.0 : TextToNumber(monthDayText.substr(monthAt + 1));
  return Note(CurrentYear(TodayNow(), lunar), month, day, lunar,
              FindText(monthDayText, "闰月") != -1);
}

std::string UpcomingNote(const Birthday& birthday, const TodayDates& today) {
  const bool lunar = birthday.lunar();
  if (!IsDue(birthday.month, birthday.day, birthday.leap, lunar, today)) return std::string();
  return Note(CurrentYear(today, lunar), birthday.month, birthday.day, lunar, birthday.leap);
}

}  // namespace memo
