// The program: its parts (the settings, the main window, its tray icon, the birthday records,
// the commands on friends and the exchange commands, the day watch and the background
// worker), made and wired together here, and what the main window's events, the settings
// window and start-up ask of them.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "app/background_worker.h"
#include "app/day_watch.h"
#include "app/main_window_setup.h"
#include "app/win32/day_signals.h"
#include "app/win32/exchange_commands.h"
#include "app/win32/friend_commands.h"
#include "app/win32/program_records.h"
#include "app/win32/program_reminders.h"
#include "app/win32/program_tray.h"
#include "app/win32/registry_settings_store.h"
#include "ui/main_window.h"
#include "window_logic/settings_window_logic.h"

namespace memo {

class Application : private ui::MainWindowOperations,
                    private SettingsEffects,
                    private MainWindowView {
 public:
  Application();

  // A balloon to show once the tray icon is up: the test hook BIRTHDAY_MEMO_BALLOON.
  void SetStartBalloon(const std::string& title, const std::string& text);

  // Opens the main window and runs until the program ends; gives the exit code. Started at
  // log-on, the window stays hidden while the tray icon is on.
  int Run(bool startedAtLogOn);

 private:
  // ui::MainWindowOperations
  void OnMainWindowCreated() override;
  void OnMainWindowDestroying() override;
  bool OnMainWindowMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnPictureClicked() override;
  void OnToolbarButton(ui::main_window::ToolbarButton button) override;
  void OnTrayMenu(ui::main_window::TrayMenuItem item) override;
  // SettingsEffects and MainWindowView
  void SetCaption(const std::string& text) override;
  void ShowTrayIcon() override;
  void RemoveTrayIcon() override;
  void DaysAheadChanged() override;
  void AgeFormChanged() override;
  void RemindersChanged() override;
  bool StartsAtLogOn() override;
  bool SetStartAtLogOn(bool on) override;
  void ShowAdvertisement() override;

  MainWindowParts Parts();
  void SetUpMainWindow();
  void OnDaySignal(DaySignal signal);
  void Exit();
  // Hides the window to the tray or ends the program, as the user chose.
  void OnCloseBox();
  // Shows, restores and activates the main window, or the modal window that is open.
  void BringForward();

  RegistrySettingsStore settings_;
  ui::MainWindow main_;
  ProgramTray tray_;
  const UINT comeForwardMessage_;
  ProgramRecords records_;
  ProgramReminders reminders_;
  FriendCommands friends_;
  ExchangeCommands exchange_;
  // The background worker's alone; made by start-up's set-up, before it reads the clock.
  std::optional<DayWatch> dayWatch_;
  // Last, so that it ends first, while everything its work uses still exists; the records
  // are handed it before it is made, and post to it only once the window is open.
  BackgroundWorker worker_;
};

}  // namespace memo
