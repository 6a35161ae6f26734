// The reminders as the program shows them: the alerts due at a moment, each recorded as shown
// before anyone sees it, so that a program ended at any moment shows none twice; and what the
// reminder window's buttons record.
#pragma once

#include <cstdint>
#include <vector>

#include "records/alert_states.h"
#include "settings/settings_store.h"
#include "window_logic/reminder_rules.h"
#include "window_logic/reminder_texts.h"

namespace memo {

struct ShownAlert {
  Friend person;
  DueAlert alert;
  ReminderLine line;
};

class ReminderDesk {
 public:
  ReminderDesk(AlertStateStore& store, SettingsStore& settings)
      : store_(store), settings_(settings) {}

  // The alerts due at the local minute `now` among the friends, recorded as shown; the
  // states no rule reads any more are forgotten on the way.
  std::vector<ShownAlert> TakeDue(const std::vector<Friend>& friends, int64_t now);
  // 已祝福, 关闭, or 稍后提醒 until that minute.
  bool Act(const ShownAlert& shown, AlertAction action, int64_t until = 0);
  // The minute to wake at next, after `now`.
  int64_t NextWake(int64_t now);

 private:
  AlertStateStore& store_;
  SettingsStore& settings_;
  DayNumber forgottenOn_;  // the day old states were last forgotten
};

}  // namespace memo
