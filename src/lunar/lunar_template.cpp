#include "lunar/lunar_template.h"

#include "lunar/date_names.h"
#include "lunar/lunar_engine.h"
#include "lunar/year_stem_branch.h"
#include "text/text_operations.h"

namespace memo {

const char* const kDefaultLunarTemplate = "%Y年(%S)%M%D %y-%m-%d";

std::string FormatLunarText(DateTime moment, const std::string& templateText) {
  const int year = YearOf(moment), month = MonthOf(moment), day = DayOf(moment);
  // Outside the engine's range the lunar month and day stay unnamed.
  const std::optional<LunarDate> lunar = LunarFromSolar(DayNumberOf(moment));
  const int yearIndex = YearStemBranchIndex(moment);
  const int branch = yearIndex == 0 ? 0 : (yearIndex - 1) % 12 + 1;

  std::string text = ReplaceText(templateText, "%Y", StemBranchText(yearIndex));
  text = ReplaceText(text, "%S", ZodiacName(branch));
  text = ReplaceText(text, "%M", lunar ? LunarMonthName(lunar->month, lunar->isLeapMonth) : "");
  text = ReplaceText(text, "%D", lunar ? LunarDayName(lunar->day) : "");
  text = ReplaceText(text, "%y", NumberToText(year));
  text = ReplaceText(text, "%m", NumberToText(month));
  return ReplaceText(text, "%d", NumberToText(day));
}

std::string FormatLunarDay(DayNumber day, const std::string& templateText) {
  if (!day.ok()) return "";
  // The end of the day, so that the year that begins at 立春 names the whole 立春 day.
  const CivilDate date = day.civil();
  return FormatLunarText(MakeDateTime(date.year, date.month, date.day, 23, 59, 59),
                         templateText.empty() ? kDefaultLunarTemplate : templateText);
}

}  // namespace memo
