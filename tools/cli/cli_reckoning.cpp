// Birthday reckoning on the command line:
//   days TEXT [--lunar]        days until the next birthday of a stored birthday text
//   next TEXT                  its month-day text for the upcoming list
//   countdown N                the countdown text of N days
//   note MONTHDAY [--lunar]    "due", a tab and the fallback note; or "not due"
#include <optional>

#include "cli.h"
#include "datetime/date_time.h"
#include "datetime/gbk_text.h"
#include "reckoning/birthday.h"
#include "reckoning/fallback_note.h"
#include "reckoning/next_birthday.h"

namespace memo::cli {
namespace {

// The note names a month and a day; a text without them ("1e300") has nothing to name.
bool HasMonthAndDay(const std::string& monthDayText) {
  const std::optional<DateTextFields> fields =
      ReadDateTextFields("2000年" + ReplaceText(monthDayText, kLeapMonthMark, ""));
  return fields && fields->month >= 1 && fields->month <= 12 && fields->day >= 1 &&
         fields->day <= 31;
}

int DaysCommand(const Arguments& input) {
  Arguments args = input;
  const bool lunar = TakeFlag(args, "--lunar");
  if (args.size() != 1) return Usage();
  PrintLine(NumberToText(DaysUntilBirthday(args[0], lunar)));
  return 0;
}

int NextCommand(const Arguments& args) {
  if (args.size() != 1) return Usage();
  PrintLine(NextBirthdayText(args[0]));
  return 0;
}

int CountdownCommand(const Arguments& args) {
  int days = 0;
  if (args.size() != 1 || !ReadInteger(args[0], days)) return Usage();
  PrintLine(CountdownText(days));
  return 0;
}

int NoteCommand(const Arguments& input) {
  Arguments args = input;
  const bool lunar = TakeFlag(args, "--lunar");
  if (args.size() != 1 || !HasMonthAndDay(args[0])) return Usage();
  if (NoteIsDue(args[0], lunar)) {
    PrintLine("due\t" + FallbackNote(args[0], lunar));
  } else {
    PrintLine("not due");
  }
  return 0;
}

const CommandRegistrar days("days", "days TEXT [--lunar]", DaysCommand);
const CommandRegistrar next("next", "next TEXT", NextCommand);
const CommandRegistrar countdown("countdown", "countdown N", CountdownCommand);
const CommandRegistrar note("note", "note MONTHDAY [--lunar]", NoteCommand);

}  // namespace
}  // namespace memo::cli
