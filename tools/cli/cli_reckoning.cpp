// Birthday reckoning on the command line, one line for each text given:
//   days TEXT... [--lunar]     days until the next birthday of a stored birthday text
//   next TEXT... [--lunar]     its month-day text for the upcoming list
//   countdown N                the countdown text of N days
//   note MONTHDAY... [--lunar] "due", a tab and the fallback note; or "not due"
//   zodiac TEXT... [--lunar]   the 生肖, a tab and the 星座 of the birth date
// A text is read as the program reads a stored birthday of that calendar (for `next`, a text
// with the leap mark always as a lunar one); a text that is no date counts as 1月1日.
#include <optional>
#include <vector>

#include "cli.h"
#include "datetime/date_time.h"
#include "reckoning/birth_signs.h"
#include "reckoning/birthday.h"
#include "reckoning/fallback_note.h"
#include "reckoning/next_birthday.h"
#include "text/text_operations.h"

namespace memo::cli {
namespace {

constexpr int kLongestMonth = 31;
// A birthday that never comes has always printed as the count back to the day DateTime
// counts from (1899-12-30), far below any count of a coming one.
constexpr DateTime kNeverCountsTo = 0.0;

Birthday CountedBirthday(const std::string& text, bool lunar) {
  Birthday birthday = ReadBirthday(text, lunar);
  if (!birthday.ok()) birthday.month = birthday.day = 1;
  return birthday;
}

// The note names a month and a day; a text without them ("1e300") has nothing to name.
std::optional<Birthday> MonthDayBirthday(const std::string& monthDayText, bool lunar) {
  const bool leap = FindText(monthDayText, kLeapMonthMark) != -1;
  const std::optional<DateTextFields> fields =
      ReadDateTextFields("2000年" + ReplaceText(monthDayText, kLeapMonthMark, ""));
  if (!fields || fields->month < 1 || fields->month > 12 || fields->day < 1 ||
      fields->day > kLongestMonth) {
    return std::nullopt;
  }
  return BirthdayOf(lunar, fields->year, fields->month, fields->day, leap);
}

int DaysCommand(const Arguments& input) {
  Arguments args = input;
  const bool lunar = TakeFlag(args, "--lunar");
  if (args.empty()) return Usage();
  const TodayDates today = TodayNow();
  for (const std::string& text : args) {
    const std::optional<int> days = DaysUntilBirthday(CountedBirthday(text, lunar), today);
    PrintLine(NumberToText(days.value_or(
        static_cast<int>(TruncateToInteger(DaysBetween(kNeverCountsTo, today.solar))))));
  }
  return 0;
}

int NextCommand(const Arguments& input) {
  Arguments args = input;
  const bool lunar = TakeFlag(args, "--lunar");
  if (args.empty()) return Usage();
  for (const std::string& text : args) {
    const bool leap = FindText(text, kLeapMonthMark) != -1;
    PrintLine(NextBirthdayText(CountedBirthday(text, lunar || leap)));
  }
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
  std::vector<Birthday> birthdays;
  for (const std::string& text : args) {
    const std::optional<Birthday> birthday = MonthDayBirthday(text, lunar);
    if (!birthday) return Usage();
    birthdays.push_back(*birthday);
  }
  if (birthdays.empty()) return Usage();
  const TodayDates today = TodayNow();
  for (const Birthday& birthday : birthdays) {
    const std::optional<std::string> note = FallbackNote(birthday, today);
    PrintLine(note ? "due\t" + *note : "not due");
  }
  return 0;
}

// Unlike the counting commands, a text that is no date has no signs: both are empty.
int ZodiacCommand(const Arguments& input) {
  Arguments args = input;
  const bool lunar = TakeFlag(args, "--lunar");
  if (args.empty()) return Usage();
  for (const std::string& text : args) {
    const Birthday birthday = ReadBirthday(text, lunar);
    PrintLine(ZodiacOfBirth(birthday) + "\t" + StarSignOfBirth(birthday));
  }
  return 0;
}

const CommandRegistrar days("days", "days TEXT... [--lunar]", DaysCommand);
const CommandRegistrar next("next", "next TEXT... [--lunar]", NextCommand);
const CommandRegistrar countdown("countdown", "countdown N", CountdownCommand);
const CommandRegistrar note("note", "note MONTHDAY... [--lunar]", NoteCommand);
const CommandRegistrar zodiac("zodiac", "zodiac TEXT... [--lunar]", ZodiacCommand);

}  // namespace
}  // namespace memo::cli
