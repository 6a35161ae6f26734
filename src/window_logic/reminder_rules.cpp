#include "window_logic/reminder_rules.h"

#include <algorithm>
#include <tuple>

#include "datetime/local_minute.h"
#include "reckoning/occurrence.h"

namespace memo {
namespace {

// 今晚 and 明天 as 稍后提醒 names them.
constexpr int kTonightMinute = 20 * 60;
constexpr int kTomorrowMorningMinute = 9 * 60;

constexpr int kTickCount = static_cast<int>(std::size(kAlertTickDays));

// The latest alert day of the occurrence whose moment has passed at `now`, within the days
// still shown; no day when none has.
DayNumber LatestPassedAlertDay(DayNumber occurrence, const ReminderSettings& settings,
                               int64_t now) {
  const DayNumber today = DayOfMinute(now);
  DayNumber latest;
  for (int tick = 0; tick < kTickCount; ++tick) {
    if (!(settings.ticks & (1 << tick))) continue;
    const DayNumber day = occurrence - kAlertTickDays[tick];
    if (day < today - kMissedAlertDays || MinuteNumber(day, settings.minuteOfDay) > now) continue;
    if (!latest.ok() || day > latest) latest = day;
  }
  return latest;
}

// The friend's alert due at `now`, if any, by the rules of the header.
std::optional<DueAlert> AlertOf(const Friend& person, const ReminderSettings& settings,
                                const AlertStateIndex& states, int64_t now) {
  const DayNumber today = DayOfMinute(now);
  const Occurrence occurrence = OccurrenceFrom(person.birthday, today - kPassedBirthdayDays);
  if (!occurrence.day.ok()) return std::nullopt;
  const AlertStateIndex::Summary* done = states.Find(person, occurrence.day);
  if (done && done->greeted) return std::nullopt;
  DueAlert alert;
  alert.occurrence = occurrence;
  alert.alertDay = LatestPassedAlertDay(occurrence.day, settings, now);
  if (done && (!alert.alertDay.ok() || done->latestAlertDay >= alert.alertDay)) {
    // Seen already: only a snooze whose time has come brings it back.
    if (done->latestAction != AlertAction::kSnoozed || done->until > now) return std::nullopt;
    alert.alertDay = done->latestAlertDay;
    alert.snoozed = true;
    return alert;
  }
  if (!alert.alertDay.ok()) return std::nullopt;
  alert.missed = alert.alertDay < today;
  return alert;
}

}  // namespace

ReminderSettings ReadReminderSettings(SettingsStore& settings) {
  ReminderSettings read;
  const int minute = settings.ReadNumber(kReminderTimeSetting, kDefaultReminderMinute);
  if (minute >= 0 && minute < kMinutesPerDay) read.minuteOfDay = minute;
  read.ticks =
      settings.ReadNumber(kAlertTicksSetting, kDefaultAlertTicks) & ((1 << kTickCount) - 1);
  return read;
}

Occurrence OccurrenceFrom(const Birthday& birthday, DayNumber from) {
  // An occurrence of any calendar's year falls within a year or so of the solar one.
  const int year = from.civil().year;
  for (int own = std::max(year - 1, birthday.year); own <= year + 1; ++own) {
    const DayNumber day = OccurrenceIn(birthday, own);
    if (day.ok() && day >= from) return {own, day};
  }
  return {};
}

AlertStateIndex::AlertStateIndex(const std::vector<AlertState>& states) {
  for (const AlertState& state : states) {
    entries_.push_back({state.friendRowid, state.occurrence.days(), state.name, {}});
    Summary& summary = entries_.back().summary;
    summary.latestAlertDay = state.alertDay;
    summary.latestAction = state.action;
    summary.until = state.until;
    summary.greeted = state.action == AlertAction::kGreeted;
  }
  const auto key = [](const Entry& e) { return std::tie(e.friendRowid, e.occurrence, e.name); };
  std::sort(entries_.begin(), entries_.end(), [&](const Entry& a, const Entry& b) {
    return key(a) < key(b) ||
           (key(a) == key(b) && a.summary.latestAlertDay < b.summary.latestAlertDay);
  });
  // One entry per friend, occurrence and name: the latest alert's, greeted when any was.
  std::vector<Entry> merged;
  for (Entry& entry : entries_) {
    if (!merged.empty() && key(merged.back()) == key(entry)) {
      entry.summary.greeted = entry.summary.greeted || merged.back().summary.greeted;
      merged.back() = std::move(entry);
    } else {
      merged.push_back(std::move(entry));
    }
  }
  entries_ = std::move(merged);
}

const AlertStateIndex::Summary* AlertStateIndex::Find(const Friend& person,
                                                      DayNumber occurrence) const {
  const auto found = std::lower_bound(
      entries_.begin(), entries_.end(), std::make_pair(person.rowid, occurrence.days()),
      [](const Entry& e, const std::pair<int64_t, int64_t>& k) {
        return std::tie(e.friendRowid, e.occurrence) < std::tie(k.first, k.second);
      });
  for (auto it = found; it != entries_.end() && it->friendRowid == person.rowid &&
                        it->occurrence == occurrence.days();
       ++it) {
    if (it->name == person.name) return &it->summary;
  }
  return nullptr;
}

std::optional<int64_t> AlertStateIndex::NextSnoozeAfter(int64_t now) const {
  std::optional<int64_t> next;
  for (const Entry& entry : entries_) {
    const Summary& s = entry.summary;
    if (s.latestAction != AlertAction::kSnoozed || s.until <= now) continue;
    if (!next || s.until < *next) next = s.until;
  }
  return next;
}

std::vector<DueAlert> DueAlerts(const std::vector<Friend>& friends,
                                const ReminderSettings& settings, const AlertStateIndex& states,
                                int64_t now) {
  std::vector<DueAlert> due;
  for (size_t i = 0; i < friends.size(); ++i) {
    if (!friends[i].birthday.ok()) continue;
    std::optional<DueAlert> alert = AlertOf(friends[i], settings, states, now);
    if (!alert) continue;
    alert->friendIndex = i;
    due.push_back(*alert);
  }
  std::stable_sort(due.begin(), due.end(), [](const DueAlert& a, const DueAlert& b) {
    return std::make_tuple(!a.missed, a.occurrence.day.days()) <
           std::make_tuple(!b.missed, b.occurrence.day.days());
  });
  return due;
}

int64_t NextAlertMinute(const ReminderSettings& settings, const AlertStateIndex& states,
                        int64_t now) {
  int64_t next = MinuteNumber(DayOfMinute(now), settings.minuteOfDay);
  if (next <= now) next += kMinutesPerDay;
  const std::optional<int64_t> snooze = states.NextSnoozeAfter(now);
  return snooze ? std::min(next, *snooze) : next;
}

AlertState StateOf(const Friend& person, const DueAlert& alert, AlertAction action, int64_t until) {
  return {person.rowid, person.name, alert.occurrence.day, alert.alertDay, action, until};
}

int64_t SnoozeUntil(SnoozeChoice choice, int64_t now) {
  const DayNumber today = DayOfMinute(now);
  switch (choice) {
    case SnoozeChoice::kTenMinutes:
      return now + 10;
    case SnoozeChoice::kOneHour:
      return now + 60;
    case SnoozeChoice::kTonight: {
      const int64_t tonight = MinuteNumber(today, kTonightMinute);
      return tonight > now ? tonight : tonight + kMinutesPerDay;
    }
    case SnoozeChoice::kTomorrowMorning:
      break;
  }
  return MinuteNumber(today + 1, kTomorrowMorningMinute);
}

}  // namespace memo
