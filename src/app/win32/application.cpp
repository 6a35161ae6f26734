#include "app/win32/application.h"

#include <thread>

#include "app/win32/executable_path.h"
#include "app/win32/log_on_start.h"
#include "app/win32/single_instance.h"
#include "app/win32/web_extras.h"
#include "window_logic/friend_list.h"
#include "window_logic/friend_list_search.h"
#include "resource_ids.h"
#include "settings/settings_names.h"
#include "ui/images.h"
#include "ui/settings_window.h"
#include "ui/ui_thread.h"

namespace memo {
namespace {

constexpr int kExitCode = 0;

}  // namespace

Application::Application()
    : main_(*this),
      taskbarCreatedMessage_(RegisterWindowMessageW(L"TaskbarCreated")),
      comeForwardMessage_(ComeForwardMessage()),
      tray_(trayPlatform_, taskbarCreatedMessage_),
      trayIconFile_(ui::ResourceBytes(IDR_TRAY_ICON)),
      records_(*this, ExecutableDirectory()),
      friends_(records_, main_, [this] { StartUpcomingPass(); }),
      exchange_(
          records_, main_, settings_, [this] { ReloadFriends(); },
          [this] { friends_.ForgetDeletion(); }) {
  records_.AttachHooks(*this);
}

void Application::SetStartBalloon(const std::string& title, const std::string& text) {
  startBalloonTitle_ = title;
  startBalloonText_ = text;
}

// How the program ends, all of it here. Every end is the main window's destruction: closing
// it, or 退出. Every other window of the program is owned by it and goes first, so it is also
// the last window gone, with or without the tray icon. The window's procedure hands the
// destroy message to the tray icon, which goes with it; the quit message carries the exit
// code out of the message loop; Run() gives it back once the loop has ended, and the worker
// is joined as the application goes. The picture download is never waited for.
int Application::Run(bool startedAtLogOn) {
  // Without the icon a hidden window could not be reached at all.
  main_.Open(!startedAtLogOn || settings_.ReadNumber(kTraySetting) != 0);
  return ui::RunMessageLoop();
}

void Application::Exit() {
  // At once, and the icon first, so that no dead icon stays in the tray.
  tray_.Remove();
  main_.Close();
}

void Application::OnMainWindowDestroying() {
  StopDaySignals(main_.Handle());
  // Work still on its way to a window is dropped: the worker must not wait for it.
  ui::EndUiWork();
  PostQuitMessage(kExitCode);
}

void Application::OnMainWindowCreated() {
  // The look of the standard controls comes from the manifest (Common Controls 6).
  trayPlatform_.Attach(main_.Handle());
  if (hooks.openBirthdayDatabase) hooks.openBirthdayDatabase();
  worker_.Post([this] { SetUpMainWindow(); });
  // Their work is queued behind the set-up, which makes the day watch.
  StartDaySignals(main_.Handle());
}

bool Application::OnMainWindowMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (tray_.OnWindowMessage(message, wParam, lParam) == TrayIcon::MessageOutcome::kConsumed) {
    return true;
  }
  if (comeForwardMessage_ != 0 && message == comeForwardMessage_) {
    BringForward();
    return true;
  }
  const DaySignal signal = DaySignalOf(message, wParam);
  if (signal == DaySignal::kNone) return false;
  OnDaySignal(signal);
  // The system's messages still get the window's own answers.
  return message == WM_TIMER;
}

MainWindowParts Application::Parts() {
  return {*this, main_.Status()};
}

SetUpSteps Application::Steps() {
  SetUpSteps steps;
  steps.loadFriendList = hooks.loadFriendList;
  steps.startUpcomingPass = [this] { StartUpcomingPass(); };
  return steps;
}

void Application::SetUpMainWindow() {
  // Before anything reads the clock: a midnight during the set-up is then a new day.
  dayWatch_.emplace(Now());
  SetUpSteps steps = Steps();
  steps.showAdvertisement = [this] { ShowAdvertisement(); };
  memo::SetUpMainWindow(Parts(), settings_, steps);
  if (!startBalloonText_.empty() || !startBalloonTitle_.empty()) {
    // Behind the upcoming pass, whose own balloon would replace it.
    worker_.Post([this] {
      ShowBalloon(startBalloonTitle_, startBalloonText_, kInformationBalloonIcon, kBalloonTimeoutMs,
                  true);
    });
  }
}

void Application::OnDaySignal(DaySignal signal) {
  // The clock is read and the day's work done on the worker, in turn with its other work.
  worker_.Post([this, signal] {
    if (!dayWatch_) return;
    DayChange change;
    if (signal == DaySignal::kLock) {
      dayWatch_->Lock();
    } else if (signal == DaySignal::kUnlock) {
      change = dayWatch_->Unlock(Now());
    } else {
      if (signal == DaySignal::kClockChange) RereadTimeZone();
      change = dayWatch_->Look(Now());
    }
    ShowNewDay(Parts(), settings_, Steps(), change);
  });
}

void Application::ShowAdvertisement() {
  // A thread of its own, never waited for: the upcoming pass must not wait behind the
  // download, nor the end of the program. It touches nothing of the application's until its
  // work reaches the user-interface thread, which drops it once the main window is gone.
  std::thread([this] {
    std::string picture = FetchPublisherPicture();
    ui::RunOnUi([this, picture] { main_.Picture().ShowDownloaded(picture); });
  }).detach();
}

void Application::StartUpcomingPass() {
  if (hooks.recomputeUpcoming) worker_.Post(hooks.recomputeUpcoming);
}

void Application::ReloadFriends() {
  // The load brings the status bar up to the list: the record count and pane 0.
  worker_.Post([this] {
    if (hooks.loadFriendList) hooks.loadFriendList(settings_.ReadNumber(kSortSetting));
  });
  StartUpcomingPass();
}

void Application::OnToolbarButton(ui::main_window::ToolbarButton button) {
  using Button = ui::main_window::ToolbarButton;
  switch (button) {
    case Button::kAdd:
      OnAddFriend();
      break;
    case Button::kEdit:
      OnEditFriend();
      break;
    case Button::kDelete:
      OnDeleteFriends();
      break;
    case Button::kSettings: {
      ui::SettingsWindow settings(settings_, *this);
      settings.OpenModal(main_.Handle());
      break;
    }
    case Button::kUpcoming:
      main_.ShowPage(ui::kReportPage);
      StartUpcomingPass();
      break;
    case Button::kAbout:
      ui::SettingsWindow::OpenAbout(main_.Handle(), settings_, *this);
      break;
    case Button::kExit:
      Exit();
      break;
    case Button::kFirstSeparator:
    case Button::kSecondSeparator:
      break;
  }
}

void Application::OnAddFriend() {
  friends_.AddFriend();
}

void Application::OnEditFriend() {
  friends_.EditChosenFriend();
}

void Application::OnDeleteFriends() {
  friends_.DeleteChosenFriends();
}

void Application::OnUndoDelete() {
  friends_.UndoDelete();
}

void Application::OnFriendListDoubleClick() {
  if (main_.FriendList().SelectedIds().empty()) {
    OnAddFriend();
  } else {
    friends_.EditFriend(main_.FriendList().CurrentId());
  }
}

void Application::OnFriendRowChanged(int row) {
  if (hooks.showRowSummary) hooks.showRowSummary(row);
}

void Application::OnSortMenu(SortCode code) {
  memo::OnSortMenu(
      records_.Records(), static_cast<int>(code), [this](std::function<void()> reload) {
        worker_.Post([this, reload] { records_.Use([&reload](RecordsContext&) { reload(); }); });
      });
}

void Application::OnSearchText(const std::string& text) {
  // In turn with the loads and changes of the list, which the search follows.
  worker_.Post([this, text] {
    records_.Use([&text](RecordsContext& records) { SearchFriendList(records, text); });
  });
}

SortCode Application::CurrentSortCode() {
  return ChosenSortCode(settings_);
}

void Application::OnImport() {
  exchange_.OnImport();
}

void Application::OnExport() {
  exchange_.OnExport();
}

void Application::OnBackup() {
  exchange_.OnBackup();
}

void Application::OnRestore() {
  exchange_.OnRestore();
}

void Application::OnTrayMenu(ui::main_window::TrayMenuItem item) {
  using Item = ui::main_window::TrayMenuItem;
  using Button = ui::main_window::ToolbarButton;
  switch (item) {
    case Item::kShowMain:
      BringForward();
      // What is typed next goes to the search box.
      main_.FocusSearchBox(false);
      break;
    case Item::kUpcoming:
      BringForward();
      OnToolbarButton(Button::kUpcoming);
      break;
    case Item::kSettings:
      OnToolbarButton(Button::kSettings);
      break;
    case Item::kExit:
      OnToolbarButton(Button::kExit);
      break;
  }
}

void Application::OnPictureClicked() {
  OpenPublisherSite();
}

void Application::SetCaption(const std::string& text) {
  main_.SetCaption(text);
}

void Application::SetMainCaption(const std::string& text) {
  main_.SetCaption(text);
}

void Application::ShowTrayIcon() {
  ui::RunOnUi([this] {
    tray_.Show(trayIconFile_, std::string(kDefaultTrayTip),
               [this](int mouseMessage) { OnTrayIconClick(mouseMessage); });
  });
}

void Application::RemoveTrayIcon() {
  ui::RunOnUi([this] { tray_.Remove(); });
}

void Application::DaysAheadChanged() {
  StartUpcomingPass();
}

void Application::OnCopyGreeting(int64_t rowid) {
  if (rowid != 0 && hooks.copyGreeting) hooks.copyGreeting(rowid);
}

void Application::AgeFormChanged() {
  ReloadFriends();
}

bool Application::StartsAtLogOn() {
  return memo::StartsAtLogOn();
}

void Application::SetStartAtLogOn(bool on) {
  memo::SetStartAtLogOn(on);
}

void Application::SetTip(const std::string& text) {
  ui::RunOnUi([this, text] { tray_.SetTip(text); });
}

void Application::ShowBalloon(const std::string& title, const std::string& text, int icon,
                              int timeoutMs, bool hideAfterTimeout) {
  ui::RunOnUi([=] { tray_.ShowBalloon(title, text, icon, timeoutMs, hideAfterTimeout); });
}

void Application::OnTrayIconClick(int mouseMessage) {
  if (mouseMessage == WM_RBUTTONUP) {
    main_.ShowTrayMenu();
  } else if (mouseMessage == kLeftButtonDownMessage) {
    HWND window = main_.Handle();
    ShowWindow(window, IsWindowVisible(window) ? SW_HIDE : SW_SHOW);
  }
}

void Application::BringForward() {
  HWND window = main_.Handle();
  ShowWindow(window, IsIconic(window) ? SW_RESTORE : SW_SHOW);
  // A modal window keeps the main window disabled while it is open: it is the one to work in.
  SetForegroundWindow(IsWindowEnabled(window) ? window : GetLastActivePopup(window));
}

}  // namespace memo
