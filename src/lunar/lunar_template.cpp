// The lunar text templates: directives replaced by the names of a moment's lunar date,
// its year in force and its solar date.
#include "lunar/lunar_engine.h"
#include "lunar/lunar_texts.h"
#include "text/text_operations.h"

namespace memo {

const char* const kDefaultLunarTemplate = "%Y年(%S)%M%D %y-%m-%d";

std::string FormatLunarText(DateTime moment, const std::string& templateText) {
  const int year = YearOf(moment), month = MonthOf(moment), day = DayOf(moment);
  LunarDate lunar;
  // Outside the engine's range the lunar month and day stay unnamed.
  const bool hasLunar = LunarFromSolar(year, month, day, lunar);
  const int yearIndex = YearStemBranchIndex(moment);
  const int branch = yearIndex == 0 ? 0 : (yearIndex - 1) % 12 + 1;

  std::string text = ReplaceText(templateText, "%Y", StemBranchText(yearIndex));
  text = ReplaceText(text, "%S", ZodiacName(branch));
  text = ReplaceText(text, "%M", hasLunar ? LunarMonthName(lunar.month, lunar.isLeapMonth) : "");
  text = ReplaceText(text, "%D", hasLunar ? LunarDayName(lunar.day) : "");
  text = ReplaceText(text, "%y", NumberToText(year));
  text = ReplaceText(text, "%m", NumberToText(month));
  return ReplaceText(text, "%d", NumberToText(day));
}

std::string FormatLunarDay(int year, int month, int day, const std::string& templateText) {
  // A date that does not exist has no lunar text.
  if (year < 100 || year > 9999 || month < 1 || month > 12 || day < 1 ||
      day > SolarMonthDays(year, month)) {
    return "";
  }
  // The end of the day, so that the year that begins at 立春 names the whole 立春 day.
  return FormatLunarText(MakeDateTime(year, month, day, 23, 59, 59),
                         templateText.empty() ? kDefaultLunarTemplate : templateText);
}

}  // namespace memo
