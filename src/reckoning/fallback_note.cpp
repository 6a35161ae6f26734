#include "reckoning/fallback_note.h"

#include "datetime/date_time.h"
#include "datetime/gbk_text.h"
#include "reckoning/lunar_carrier.h"
#include "reckoning/next_birthday.h"

namespace memo {
namespace {

// The current year of the friend's calendar.
int CurrentYear(bool lunar) {
  if (!lunar) return YearOf(Today());
  const int year = TodayLunarDate().year;
  return year == 0 ? YearOf(MinDateTime) : year;
}

bool HasLeapWord(const std::string& text) {
  return FindText(text, "闰月") != -1;
}

}  // namespace

bool NoteIsDue(const std::string& monthDayText, bool lunar) {
  const std::string yearText = NumberToText(CurrentYear(lunar)) + "年";
  if (!lunar) return DateFromText(yearText + monthDayText) == MinDateTime;
  const bool leap = FindText(monthDayText, kLeapMonthMark) != -1;
  // Month and day read in a Gregorian leap year, so that 2月29日 reads in every year;
  // whether the day exists is then the lunar year's own answer.
  const DateTime monthDay = DateFromText("2000年" + ReplaceText(monthDayText, kLeapMonthMark, ""));
  if (monthDay == MinDateTime) return true;
  return !LunarDateExists(CurrentYear(true), MonthOf(monthDay), DayOf(monthDay), leap);
}

std::string FallbackNote(const std::string& monthDayText, bool lunar) {
  const int year = CurrentYear(lunar);
  const int month = static_cast<int>(TruncateToInteger(TextToNumber(monthDayText)));
  const int monthAt = FindText(monthDayText, "月");
  const double day = monthAt == -1 ? 0.0 : TextToNumber(monthDayText.substr(monthAt + 1));
  const std::string missing = DateTextOf(year, month, static_cast<int>(TruncateToInteger(day)));
  // The day before, written from a floating-point number that prints without decimals.
  const std::string dayBefore =
      NumberToText(year) + "年" + NumberToText(month) + "月" + NumberToText(day - 1.0);

  if (!lunar) {
    return "公历" + missing + "不存在!该好友的生日以公历" + dayBefore + "日为生日计算。";
  }
  const std::string ordinaryNote =
      "农历" + missing + "不存在!该好友的生日以农历" + dayBefore + "日为生日计算。";
  if (!HasLeapWord(monthDayText)) return ordinaryNote;
  const DateTime before = DateFromText(dayBefore);
  if (LunarDateExists(before, true)) {
    return "农历" + missing + "[闰月]不存在!该好友的生日以农历" + dayBefore +
           "日[闰月]为生日计算。";
  }
  if (LunarDateExists(before, false)) return ordinaryNote;
  return std::string();
}

}  // namespace memo
