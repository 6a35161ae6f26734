// The running program's reminders: the alerts due, looked for on the background worker at
// start, at each sign of another day or time (a resume, an unlock, a change of the clock) and
// when a waitable timer wakes at the next alert's minute, so that nothing runs while nothing
// is due; shown in the reminder window with a balloon, and the window's buttons recorded.
#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <thread>

#include "app/background_worker.h"
#include "app/win32/program_records.h"
#include "records/alert_states.h"
#include "ui/main_window.h"
#include "ui/reminder_window.h"
#include "window_logic/reminder_desk.h"

namespace memo {

class ProgramReminders {
 public:
  ProgramReminders(ui::MainWindow& window, ProgramRecords& records, SettingsStore& settings,
                   TrayNotifier& tray, BackgroundWorker& worker);
  ~ProgramReminders();
  ProgramReminders(const ProgramReminders&) = delete;
  ProgramReminders& operator=(const ProgramReminders&) = delete;

  // On the user-interface thread once the records are open; the timer starts waiting.
  void Open(const std::string& programDirectory);
  // On the user-interface thread before the worker goes: no wake posts to it any more, and
  // the reminder window goes with the main window.
  void Stop();
  // On the background worker: shows what is due now and sleeps until the next alert.
  void LookOnWorker();

 private:
  void ForgetOlderAlertOf(const ShownAlert& alert, std::vector<int64_t>& older);
  void Show(std::vector<ShownAlert> alerts);
  void OnAction(ui::ReminderWindow::Action action, int snoozeChoice,
                const std::vector<int64_t>& ids);
  void WakeAt(int64_t minute);

  ProgramRecords& records_;
  SettingsStore& settings_;
  TrayNotifier& tray_;
  BackgroundWorker& worker_;
  MessageBoxErrorReporter errors_;
  AlertStateStore store_;
  ReminderDesk desk_;
  ui::ReminderWindow reminderWindow_;
  // The alerts the window shows, by its rows' ids; the user-interface thread's alone.
  std::map<int64_t, ShownAlert> shown_;
  int64_t nextId_ = 1;
  HANDLE timer_ = nullptr;
  HANDLE stop_ = nullptr;
  std::thread waiter_;
};

}  // namespace memo
