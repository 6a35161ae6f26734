// The program: start-up, the toolbar's commands, the tray icon of the main window and its
// menu, the settings window's effects, a new day, a second start's call and the background
// worker, all wired to the main window.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>

#include "app/background_worker.h"
#include "app/day_watch.h"
#include "app/main_window_setup.h"
#include "app/tray_icon.h"
#include "app/win32/day_signals.h"
#include "app/win32/exchange_commands.h"
#include "app/win32/friend_commands.h"
#include "app/win32/program_records.h"
#include "app/win32/registry_settings_store.h"
#include "app/win32/win32_tray_platform.h"
#include "window_logic/report_outputs.h"
#include "window_logic/settings_window_logic.h"
#include "ui/main_window.h"

namespace memo {

// Work that the birthday records and the report attach before Run(); until they do, the
// steps that would run them do nothing.
struct ProgramHooks {
  std::function<void()> openBirthdayDatabase;       // user-interface thread, at start-up
  std::function<int(int sortCode)> loadFriendList;  // background worker; gives the count
  std::function<void()> recomputeUpcoming;          // background worker
  std::function<void(int row)> showRowSummary;      // the friend list's current row changed
  std::function<void(int64_t rowid)> copyGreeting;  // user-interface thread
};

class Application : private ui::MainWindowOperations,
                    private MainWindowView,
                    private SettingsEffects,
                    public TrayNotifier {
 public:
  Application();

  ProgramHooks hooks;
  SettingsStore& Settings() { return settings_; }
  ui::MainWindow& Window() { return main_; }  // its lists, status bar and report view
  // The birthday records; their rule for threads is ProgramRecords'.
  ProgramRecords& Records() { return records_; }
  // A balloon to show once the tray icon is up: the test hook BIRTHDAY_MEMO_BALLOON.
  void SetStartBalloon(const std::string& title, const std::string& text);

  // Opens the main window and runs until the program ends; gives the exit code. Started at
  // log-on, the window stays hidden while the tray icon is on.
  int Run(bool startedAtLogOn);

  // TrayNotifier: any thread; applied on the user-interface thread.
  void SetTip(const std::string& text) override;
  void ShowBalloon(const std::string& title, const std::string& text, int icon, int timeoutMs,
                   bool hideAfterTimeout) override;

 private:
  // ui::MainWindowOperations
  void OnMainWindowCreated() override;
  void OnMainWindowDestroying() override;
  bool OnMainWindowMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnPictureClicked() override;
  void OnToolbarButton(ui::main_window::ToolbarButton button) override;
  void OnFriendRowChanged(int row) override;
  void OnFriendListDoubleClick() override;
  void OnSortMenu(SortCode code) override;
  void OnSearchText(const std::string& text) override;
  SortCode CurrentSortCode() override;
  // ui::FriendOperations, for the toolbar, the lists' keys and their menu
  void OnAddFriend() override;
  void OnEditFriend() override;
  void OnDeleteFriends() override;
  void OnUndoDelete() override;
  // ui::ExchangeOperations, for the friend list's menu
  void OnImport() override;
  void OnExport() override;
  void OnBackup() override;
  void OnRestore() override;
  void OnTrayMenu(ui::main_window::TrayMenuItem item) override;
  void OnCopyGreeting(int64_t rowid) override;
  // MainWindowView and SettingsEffects
  void SetCaption(const std::string& text) override;
  void SetMainCaption(const std::string& text) override;
  void ShowTrayIcon() override;
  void RemoveTrayIcon() override;
  void DaysAheadChanged() override;
  void AgeFormChanged() override;
  bool StartsAtLogOn() override;
  void SetStartAtLogOn(bool on) override;

  MainWindowParts Parts();
  SetUpSteps Steps();
  void SetUpMainWindow();
  void OnDaySignal(DaySignal signal);
  void ShowAdvertisement();
  void StartUpcomingPass();
  // The friend list loaded again in the stored sort order, then the upcoming pass.
  void ReloadFriends();
  void Exit();
  void OnTrayIconClick(int mouseMessage);
  // Shows, restores and activates the main window, or the modal window that is open.
  void BringForward();

  RegistrySettingsStore settings_;
  ui::MainWindow main_;
  const UINT taskbarCreatedMessage_;
  const UINT comeForwardMessage_;
  Win32TrayPlatform trayPlatform_;
  TrayIcon tray_;
  const std::string trayIconFile_;
  std::string startBalloonTitle_;
  std::string startBalloonText_;
  ProgramRecords records_;
  FriendCommands friends_;
  ExchangeCommands exchange_;
  // The background worker's alone; made by start-up's set-up, before it reads the clock.
  std::optional<DayWatch> dayWatch_;
  // Last, so that it ends first, while everything its work uses still exists.
  BackgroundWorker worker_;
};

}  // namespace memo
