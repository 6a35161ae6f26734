// The reminder rules of a data folder on the command line:
//   reminders --db DIR [REMINDER OPTIONS]
//       the alerts the reminder window shows at that moment, one a line: the friend-list row
//       (from 0, stored order), name, date, age, countdown, contact, and for a missed alert
//       the day it was due; the missed ones first, under the line "错过的提醒". Nothing is
//       recorded: the window records an alert as shown when it shows it.
//   remind --db DIR ROW greeted|snooze MINUTES|done [REMINDER OPTIONS]
//       records what the reminder window's 已祝福, 稍后提醒 or 关闭 records for the row's
//       alert due at that moment; 已祝福 without a due alert greets the coming birthday.
// REMINDER OPTIONS: --now YYYY-MM-DDTHH:MM (the moment; the clock's by default),
// --time HH:MM (提醒时间, 09:00 by default), --ticks DAYS,... (提前提醒 as the days before,
// from 0 1 3 7 15 30; "none" for no tick; 0,1,7 by default).
// Data-access errors go to standard error and end the command with 1.

#include <algorithm>

#include "cli.h"
#include "datetime/clock.h"
#include "datetime/local_minute.h"
#include "records/friend_repository.h"
#include "window_logic/reminder_texts.h"

namespace memo::cli {
namespace {

// The ticks of "0,1,7"; nothing for a day that no tick stands for.
std::optional<int> ReadTicks(const std::string& text) {
  if (text == "none") return 0;
  if (text.empty()) return std::nullopt;
  int ticks = 0;
  // Split by hand: a string stream would bring the C++ library's locale machinery into the
  // tool, several hundred kilobytes.
  for (size_t start = 0; start <= text.size();) {
    const size_t comma = std::min(text.find(',', start), text.size());
    int value = 0, tick = 0;
    if (!ReadInteger(text.substr(start, comma - start), value)) return std::nullopt;
    start = comma + 1;
    while (tick < static_cast<int>(std::size(kAlertTickDays)) && kAlertTickDays[tick] != value)
      ++tick;
    if (tick == static_cast<int>(std::size(kAlertTickDays))) return std::nullopt;
    ticks |= 1 << tick;
  }
  return ticks;
}

// One data folder's friends, alert states and reminder settings at one moment.
struct ReminderSession {
  PrintedErrors errors;
  FriendRepository repository{errors};
  AlertStateStore store{errors};
  MemorySettingsStore settings;
  ReminderSettings reminderSettings;
  std::vector<Friend> friends;
  std::vector<AlertState> states;
  int64_t now = 0;

  // Takes --db and the reminder options; false for a missing or bad one.
  bool TakeOptions(Arguments& args, std::string& directory) {
    bool ok = true;
    directory = TakeOption(args, "--db", "", ok);
    const std::string moment = TakeOption(args, "--now", "", ok);
    const std::optional<int> time = ReadTimeOfDay(TakeOption(args, "--time", "09:00", ok));
    const std::optional<int> ticks = ReadTicks(TakeOption(args, "--ticks", "0,1,7", ok));
    if (!moment.empty()) {
      const std::optional<DateTime> fixed = ReadLocalMoment(moment);
      if (!fixed) return false;
      FixClock(*fixed);
    }
    if (!ok || directory.empty() || !time || !ticks) return false;
    settings.WriteNumber(kReminderTimeSetting, *time);
    settings.WriteNumber(kAlertTicksSetting, *ticks);
    reminderSettings = ReadReminderSettings(settings);
    return true;
  }
  bool Load(const std::string& directory) {
    now = MinuteNumberOf(Now());
    return repository.Open(directory) && store.Open(directory) &&
           repository.Load(SortCode::kStored, friends) &&
           store.Load(DayOfMinute(now) - kPassedBirthdayDays, states);
  }
  std::vector<DueAlert> Due(const std::vector<Friend>& those) const {
    return DueAlerts(those, reminderSettings, AlertStateIndex(states), now);
  }
};

int RemindersCommand(const Arguments& input) {
  Arguments args = input;
  std::string directory;
  ReminderSession session;
  if (!session.TakeOptions(args, directory) || !args.empty()) return Usage();
  if (!session.Load(directory)) return 1;
  bool missedTitled = false;
  for (const DueAlert& alert : session.Due(session.friends)) {
    if (alert.missed && !missedTitled) PrintLine(kMissedAlertsTitle);
    missedTitled = missedTitled || alert.missed;
    const ReminderLine line = ReminderLineOf(session.friends[alert.friendIndex], alert,
                                             DayOfMinute(session.now), AgeForm::kFullYears);
    std::string text = NumberToText(static_cast<int>(alert.friendIndex));
    for (const std::string* cell :
         {&line.name, &line.occurrence, &line.age, &line.countdown, &line.contact, &line.due}) {
      text += "\t" + *cell;
    }
    PrintLine(text);
  }
  return 0;
}

// The row's alert due now; for 已祝福 without one, the coming birthday's.
std::optional<DueAlert> AlertToActOn(const ReminderSession& session, const Friend& person,
                                     AlertAction action) {
  const std::vector<DueAlert> due = session.Due({person});
  if (!due.empty()) return due.front();
  const DayNumber today = DayOfMinute(session.now);
  DueAlert coming;
  coming.occurrence = OccurrenceFrom(person.birthday, today - kPassedBirthdayDays);
  coming.alertDay = today;
  if (action != AlertAction::kGreeted || !coming.occurrence.day.ok()) return std::nullopt;
  return coming;
}

int RemindCommand(const Arguments& input) {
  Arguments args = input;
  std::string directory;
  ReminderSession session;
  int row = 0, minutes = 0;
  if (!session.TakeOptions(args, directory) || args.size() < 2 || !ReadInteger(args[0], row))
    return Usage();
  const std::string& verb = args[1];
  const bool snooze =
      verb == "snooze" && args.size() == 3 && ReadInteger(args[2], minutes) && minutes > 0;
  if (!snooze && (args.size() != 2 || (verb != "greeted" && verb != "done"))) return Usage();
  if (!session.Load(directory)) return 1;
  if (row < 0 || row >= static_cast<int>(session.friends.size())) {
    PrintError("没有这一行：" + NumberToText(row));
    return 1;
  }
  const AlertAction action = snooze              ? AlertAction::kSnoozed
                             : verb == "greeted" ? AlertAction::kGreeted
                                                 : AlertAction::kDone;
  const Friend& person = session.friends[row];
  const std::optional<DueAlert> alert = AlertToActOn(session, person, action);
  if (!alert) {
    PrintError("这一行没有到期的提醒：" + NumberToText(row));
    return 1;
  }
  const int64_t until = snooze ? session.now + minutes : 0;
  return session.store.Record(StateOf(person, *alert, action, until)) ? 0 : 1;
}

const CommandRegistrar reminders(
    "reminders",
    "reminders --db DIR [--now YYYY-MM-DDTHH:MM] [--time HH:MM] [--ticks DAYS,...|none]",
    RemindersCommand);
const CommandRegistrar remind("remind",
                              "remind --db DIR ROW greeted|snooze MINUTES|done [--now "
                              "YYYY-MM-DDTHH:MM] [--time HH:MM] [--ticks DAYS,...|none]",
                              RemindCommand);

}  // namespace
}  // namespace memo::cli
