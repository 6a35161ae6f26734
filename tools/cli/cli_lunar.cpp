// Lunar conversion on the command line:
//   lunar YYYY-MM-DD              the lunar date of a solar date: YEAR MONTH DAY [leap]
//   solar YEAR MONTH DAY [leap]   the solar date of a lunar date: YYYY-MM-DD
// Both print "none" and end with 1 when the date cannot be converted.
#include <cstdio>
#include <optional>
#include <string>

#include "cli.h"
#include "datetime/clock.h"
#include "lunar/lunar_engine.h"

namespace memo::cli {
namespace {

int PrintNone() {
  PrintLine("none");
  return 1;
}

int LunarCommand(const Arguments& args) {
  if (args.size() != 1) return Usage();
  const std::optional<LunarDate> lunar = LunarFromSolar(ParseIsoDate(args[0]));
  if (!lunar) return PrintNone();
  PrintLine(std::to_string(lunar->year) + " " + std::to_string(lunar->month) + " " +
            std::to_string(lunar->day) + (lunar->isLeapMonth ? " leap" : ""));
  return 0;
}

int SolarCommand(const Arguments& args) {
  if (args.size() < 3 || args.size() > 4) return Usage();
  int year = 0, month = 0, day = 0;
  if (!ReadInteger(args[0], year) || !ReadInteger(args[1], month) || !ReadInteger(args[2], day) ||
      (args.size() == 4 && args[3] != "leap")) {
    return Usage();
  }
  const std::optional<DayNumber> solar =
      SolarFromLunar(LunarDate{year, month, day, args.size() == 4});
  if (!solar) return PrintNone();
  const CivilDate date = solar->civil();
  char text[16];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
  PrintLine(text);
  return 0;
}

const CommandRegistrar lunar("lunar", "lunar YYYY-MM-DD", LunarCommand);
const CommandRegistrar solar("solar", "solar YEAR MONTH DAY [leap]", SolarCommand);

}  // namespace
}  // namespace memo::cli
