// Which birthday alerts are due at a moment, from the friends, the reminder settings and what
// the user did with earlier alerts. An alert is a friend's occurrence (the solar day of one
// birthday) announced on an alert day, some ticked days before it, at the reminder time.
//
// Nothing is missed and nothing comes twice, whatever the clock does: an alert is due once
// its moment has passed, whether the program was running then or not, until the user has
// seen it. Of the alerts of one occurrence only the latest passed one is shown, since it
// says all the earlier ones would. Seen alerts are remembered by their alert day, so that a
// clock set back reaches no alert a second time and a clock set forward skips none.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "records/alert_states.h"
#include "records/friend.h"
#include "settings/settings_names.h"
#include "settings/settings_store.h"

namespace memo {

// An alert is still shown up to this many days after it fell due...
constexpr int kMissedAlertDays = 30;
// ...but not once the birthday it announces is longer past than this: a belated greeting is
// still welcome within a week.
constexpr int kPassedBirthdayDays = 7;

struct ReminderSettings {
  int minuteOfDay = kDefaultReminderMinute;  // 提醒时间
  int ticks = kDefaultAlertTicks;            // 提前提醒: AlertTick bits
};
ReminderSettings ReadReminderSettings(SettingsStore& settings);

// One occurrence of a friend's birthday.
struct Occurrence {
  int year = 0;   // in the birthday's own calendar
  DayNumber day;  // its solar day
};
// The first occurrence on or after `from`; no day when there is none near it.
Occurrence OccurrenceFrom(const Birthday& birthday, DayNumber from);

struct DueAlert {
  size_t friendIndex = 0;  // into the friends given
  Occurrence occurrence;
  DayNumber alertDay;
  bool missed = false;   // fell due on a day before the moment's
  bool snoozed = false;  // back from 稍后提醒
};

// The states the rules read, looked up by friend and occurrence.
class AlertStateIndex {
 public:
  explicit AlertStateIndex(const std::vector<AlertState>& states);

  struct Summary {
    DayNumber latestAlertDay;  // of the latest alert acted on
    AlertAction latestAction = AlertAction::kShown;
    int64_t until = 0;  // of that latest action, when it is kSnoozed
    bool greeted = false;
  };
  // Nothing when the friend's occurrence has no state under its present name.
  const Summary* Find(const Friend& person, DayNumber occurrence) const;
  // The earliest snooze to come back after `now`, if any.
  std::optional<int64_t> NextSnoozeAfter(int64_t now) const;

 private:
  struct Entry {
    int64_t friendRowid;
    int64_t occurrence;
    std::string name;
    Summary summary;
  };
  std::vector<Entry> entries_;  // sorted by friend and occurrence
};

// The alerts due at the local minute `now`: the missed ones (due on an earlier day) first,
// then by occurrence, friends of one day in the order given.
std::vector<DueAlert> DueAlerts(const std::vector<Friend>& friends,
                                const ReminderSettings& settings, const AlertStateIndex& states,
                                int64_t now);

// The next minute after `now` at which an alert may fall due: the next reminder time or an
// earlier snooze. The program sleeps until then.
int64_t NextAlertMinute(const ReminderSettings& settings, const AlertStateIndex& states,
                        int64_t now);

// The state that records `action` on the alert, for a snooze with the minute it comes back.
AlertState StateOf(const Friend& person, const DueAlert& alert, AlertAction action,
                   int64_t until = 0);

// 稍后提醒's choices.
enum class SnoozeChoice { kTenMinutes, kOneHour, kTonight, kTomorrowMorning };
// The minute a snooze chosen at `now` comes back: 今晚20:00 is the next 20:00 to come.
int64_t SnoozeUntil(SnoozeChoice choice, int64_t now);

}  // namespace memo
