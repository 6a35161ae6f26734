#include "window_logic/reminder_desk.h"

#include "datetime/local_minute.h"

namespace memo {
namespace {

// States of occurrences longer past than this are forgotten: a clock set back by up to a
// year still finds the alerts it has seen.
constexpr int kKeptStateDays = 400;

}  // namespace

std::vector<ShownAlert> ReminderDesk::TakeDue(const std::vector<Friend>& friends, int64_t now) {
  const DayNumber today = DayOfMinute(now);
  // Once a day: a look finds the file unchanged otherwise.
  if (today != forgottenOn_ && store_.Forget(today - kKeptStateDays)) forgottenOn_ = today;
  std::vector<AlertState> states;
  store_.Load(today - kKeptStateDays, states);
  const AgeForm form = AgeFormOf(settings_.ReadNumber(kAgeSetting));
  std::vector<ShownAlert> shown;
  for (const DueAlert& alert :
       DueAlerts(friends, ReadReminderSettings(settings_), AlertStateIndex(states), now)) {
    const Friend& person = friends[alert.friendIndex];
    if (!store_.Record(StateOf(person, alert, AlertAction::kShown))) continue;
    shown.push_back({person, alert, ReminderLineOf(person, alert, today, form)});
  }
  return shown;
}

bool ReminderDesk::Act(const ShownAlert& shown, AlertAction action, int64_t until) {
  return store_.Record(StateOf(shown.person, shown.alert, action, until));
}

int64_t ReminderDesk::NextWake(int64_t now) {
  std::vector<AlertState> states;
  store_.Load(DayOfMinute(now) - kKeptStateDays, states);
  return NextAlertMinute(ReadReminderSettings(settings_), AlertStateIndex(states), now);
}

}  // namespace memo
