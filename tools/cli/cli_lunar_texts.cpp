// Lunar text commands: a day's or a moment's lunar text, the solar term of a day and the
// moment of a term.
#include <cstdio>
#include <cstdlib>

#include "cli.h"
#include "datetime/clock.h"
#include "datetime/date_time.h"
#include "lunar/date_names.h"
#include "lunar/lunar_template.h"
#include "lunar/solar_terms.h"

namespace memo::cli {
namespace {

// Reads "HH:MM:SS" into seconds of the day; -1 when it is not such a time.
int ParseTimeOfDay(const std::string& text) {
  if (text.size() != 8 || text[2] != ':' || text[5] != ':') return -1;
  int fields[3];
  for (int i = 0; i < 3; ++i) {
    char high = text[i * 3], low = text[i * 3 + 1];
    if (high < '0' || high > '9' || low < '0' || low > '9') return -1;
    fields[i] = (high - '0') * 10 + (low - '0');
  }
  if (fields[0] > 23 || fields[1] > 59 || fields[2] > 59) return -1;
  return fields[0] * 3600 + fields[1] * 60 + fields[2];
}

bool ParseInteger(const std::string& text, int& value) {
  char* end = nullptr;
  long parsed = std::strtol(text.c_str(), &end, 10);
  if (text.empty() || *end != '\0' || parsed < -100000 || parsed > 100000) return false;
  value = static_cast<int>(parsed);
  return true;
}

// "YYYY-MM-DD" prints the day's text (at its last second); "YYYY-MM-DDTHH:MM:SS" the
// moment's.
int LunarTextCommand(const Arguments& args) {
  if (args.empty() || args.size() > 2) return Usage();
  const std::string& when = args[0];
  const std::string templateText = args.size() == 2 ? args[1] : kDefaultLunarTemplate;
  const DayNumber day = ParseIsoDate(when.substr(0, 10));
  if (!day.ok()) return Usage();
  if (when.size() == 10) {
    PrintLine(FormatLunarDay(day, templateText));
    return 0;
  }
  int second = when[10] == 'T' ? ParseTimeOfDay(when.substr(11)) : -1;
  if (second < 0) return Usage();
  const CivilDate date = day.civil();
  DateTime moment = MakeDateTime(date.year, date.month, date.day, 0, 0, second);
  PrintLine(FormatLunarText(moment, templateText));
  return 0;
}

int TermCommand(const Arguments& args) {
  if (args.size() != 1) return Usage();
  const DayNumber day = ParseIsoDate(args[0]);
  if (!day.ok()) return Usage();
  const CivilDate date = day.civil();
  int term = SolarTermOfDate(date.year, date.month, date.day);
  PrintLine(term == 0 ? "0" : NumberToText(term) + " " + SolarTermName(term));
  return 0;
}

int TermMomentCommand(const Arguments& args) {
  int year = 0, term = 0;
  if (args.size() != 2 || !ParseInteger(args[0], year) || !ParseInteger(args[1], term)) {
    return Usage();
  }
  // A term outside the table has always printed as the first day a date can hold.
  DateTime moment = SolarTermMoment(year, term).value_or(kMinDateTime);
  int second = SecondOfDay(moment);
  char text[64];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", YearOf(moment), MonthOf(moment),
                DayOf(moment), second / 3600, second / 60 % 60, second % 60);
  PrintLine(text);
  return 0;
}

const CommandRegistrar lunarText("lunar-text", "lunar-text YYYY-MM-DD[THH:MM:SS] [TEMPLATE]",
                                 LunarTextCommand);
const CommandRegistrar term("term", "term YYYY-MM-DD", TermCommand);
const CommandRegistrar termMoment("term-moment", "term-moment YEAR INDEX", TermMomentCommand);

}  // namespace
}  // namespace memo::cli
