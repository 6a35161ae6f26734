#include "app/win32/program_reminders.h"

#include "datetime/clock.h"
#include "datetime/local_minute.h"
#include "ui/ui_thread.h"
#include "window_logic/report_outputs.h"

namespace memo {
namespace {

// A waitable timer's relative time counts in units of 100 ns, negative.
constexpr LONGLONG kTimerUnitsPerSecond = 10000000;

}  // namespace

ProgramReminders::ProgramReminders(ui::MainWindow& window, ProgramRecords& records,
                                   SettingsStore& settings, TrayNotifier& tray,
                                   BackgroundWorker& worker)
    : records_(records),
      settings_(settings),
      tray_(tray),
      worker_(worker),
      errors_(window),
      store_(errors_),
      desk_(store_, settings) {
  reminderWindow_.onAction = [this](ui::ReminderWindow::Action action, int choice,
                                    const std::vector<int64_t>& ids) {
    OnAction(action, choice, ids);
  };
  // Closed without a button: the alerts count as seen, as they were recorded when shown.
  reminderWindow_.onClosed = [this] { shown_.clear(); };
}

ProgramReminders::~ProgramReminders() {
  Stop();
}

void ProgramReminders::Open(const std::string& programDirectory) {
  store_.Open(programDirectory);
  timer_ = CreateWaitableTimerW(nullptr, FALSE, nullptr);
  stop_ = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  if (!timer_ || !stop_) return;
  waiter_ = std::thread([this] {
    const HANDLE handles[] = {stop_, timer_};
    while (WaitForMultipleObjects(2, handles, FALSE, INFINITE) == WAIT_OBJECT_0 + 1) {
      worker_.Post([this] { LookOnWorker(); });
    }
  });
}

void ProgramReminders::Stop() {
  reminderWindow_.Close();
  if (waiter_.joinable()) {
    SetEvent(stop_);
    waiter_.join();
  }
  for (HANDLE* handle : {&timer_, &stop_}) {
    if (*handle) CloseHandle(*handle);
    *handle = nullptr;
  }
}

void ProgramReminders::LookOnWorker() {
  std::vector<Friend> friends;
  records_.Use([&friends](RecordsContext& records) { friends = records.friends; });
  const int64_t now = MinuteNumberOf(Now());
  std::vector<ShownAlert> due = desk_.TakeDue(friends, now);
  WakeAt(desk_.NextWake(now));
  if (!due.empty()) ui::RunOnUi([this, due] { Show(due); });
}

void ProgramReminders::WakeAt(int64_t minute) {
  if (!timer_) return;
  const DateTime now = Now();
  const int64_t seconds = (minute - MinuteNumberOf(now)) * 60 - SecondOfDay(now) % 60;
  LARGE_INTEGER due;
  due.QuadPart = -std::max<int64_t>(seconds, 1) * kTimerUnitsPerSecond;
  SetWaitableTimer(timer_, &due, 0, nullptr, nullptr, FALSE);
}

// A later alert of a birthday already in the window (the day's alert after the missed one
// of the day before) takes that one's place: one line for each friend's birthday.
void ProgramReminders::ForgetOlderAlertOf(const ShownAlert& alert, std::vector<int64_t>& older) {
  for (const auto& [id, shown] : shown_) {
    if (shown.person.rowid == alert.person.rowid &&
        shown.alert.occurrence.day == alert.alert.occurrence.day) {
      older.push_back(id);
    }
  }
  for (int64_t id : older) shown_.erase(id);
}

void ProgramReminders::Show(std::vector<ShownAlert> alerts) {
  std::vector<ui::ListRow> rows;
  std::vector<ReminderLine> lines;
  std::vector<int64_t> older;
  for (ShownAlert& alert : alerts) {
    ForgetOlderAlertOf(alert, older);
    lines.push_back(alert.line);
    rows.push_back({nextId_, ReminderCells(alert.line)});
    shown_[nextId_++] = std::move(alert);
  }
  reminderWindow_.Show(std::move(rows));
  // Taken away after the new lines are in, so that the window never empties and closes.
  if (!older.empty()) reminderWindow_.Remove(older);
  if (settings_.ReadNumber(kReminderSoundSetting) == 1) MessageBeep(MB_ICONASTERISK);
  if (settings_.ReadNumber(kTraySetting) == 0) {
    tray_.ShowBalloon("生日提醒", ReminderBalloonText(lines), kInformationBalloonIcon,
                      kBalloonTimeoutMs, true);
  }
}

void ProgramReminders::OnAction(ui::ReminderWindow::Action action, int snoozeChoice,
                                const std::vector<int64_t>& ids) {
  using Action = ui::ReminderWindow::Action;
  if (action == Action::kCopyGreeting) {
    const auto found = shown_.find(ids.front());
    if (found != shown_.end()) records_.OnCopyGreeting(found->second.person.rowid);
    return;
  }
  const AlertAction recorded = action == Action::kGreeted ? AlertAction::kGreeted
                               : action == Action::kDone  ? AlertAction::kDone
                                                          : AlertAction::kSnoozed;
  const int64_t until = SnoozeUntil(static_cast<SnoozeChoice>(snoozeChoice), MinuteNumberOf(Now()));
  std::vector<ShownAlert> acted;
  for (int64_t id : ids) {
    const auto found = shown_.find(id);
    if (found == shown_.end()) continue;
    acted.push_back(std::move(found->second));
    shown_.erase(found);
  }
  reminderWindow_.Remove(ids);
  worker_.Post([this, acted, recorded, until] {
    for (const ShownAlert& alert : acted) desk_.Act(alert, recorded, until);
    WakeAt(desk_.NextWake(MinuteNumberOf(Now())));
  });
}

}  // namespace memo
