#include "app/win32/application.h"

#include <thread>

#include "app/win32/executable_path.h"
#include "app/win32/log_on_start.h"
#include "app/win32/single_instance.h"
#include "app/win32/web_extras.h"
#include "settings/settings_names.h"
#include "ui/close_question_window.h"
#include "ui/settings_window.h"
#include "ui/ui_thread.h"
#include "window_logic/close_choice.h"
#include "window_logic/friend_list.h"

namespace memo {
namespace {

// Every end after a start is the user's own (closing the window, or 退出): a success.
constexpr int kExitCode = 0;
// A start whose main window could not be made, so that whoever started the program hears it.
constexpr int kWindowFailedExitCode = 1;

}  // namespace

Application::Application()
    : main_(*this, records_, friends_, exchange_),
      tray_(main_),
      comeForwardMessage_(ComeForwardMessage()),
      records_(main_, settings_, tray_, worker_, ExecutableDirectory()),
      reminders_(main_, records_, settings_, tray_, worker_),
      friends_(records_, main_),
      exchange_(records_, friends_, main_, settings_) {}

void Application::SetStartBalloon(const std::string& title, const std::string& text) {
  tray_.SetStartBalloon(title, text);
}

// How the program ends, all of it here. Every end is the main window's destruction: closing
// it, or 退出. Every other window of the program is owned by it and goes first, so it is also
// the last window gone, with or without the tray icon. The window's procedure hands the
// destroy message to the tray icon, which goes with it; the quit message carries the exit
// code out of the message loop; Run() gives it back once the loop has ended, and the worker
// is joined as the application goes. The picture download is never waited for. A main
// window that cannot be made ends the start at once, with a code that says it failed.
int Application::Run(bool startedAtLogOn) {
  // Without the icon a hidden window could not be reached at all.
  if (!main_.Open(!startedAtLogOn || settings_.ReadNumber(kTraySetting) != 0)) {
    return kWindowFailedExitCode;
  }
  return ui::RunMessageLoop();
}

void Application::Exit() {
  // At once, and the icon first, so that no dead icon stays in the tray.
  tray_.Remove();
  main_.Close();
}

void Application::OnCloseBox() {
  CloseChoice choice = CloseBoxChoice(settings_);
  if (choice == CloseChoice::kAsk) {
    const std::optional<ui::CloseAnswer> answer = ui::CloseQuestionWindow().Ask(main_.Handle());
    if (!answer) return;
    KeepCloseAnswer(settings_, answer->choice, answer->askAgain);
    choice = answer->choice;
  }
  if (choice == CloseChoice::kTray) {
    ShowWindow(main_.Handle(), SW_HIDE);
  } else {
    Exit();
  }
}

void Application::OnMainWindowDestroying() {
  StopDaySignals(main_.Handle());
  reminders_.Stop();
  // Work still on its way to a window is dropped: the worker must not wait for it.
  ui::EndUiWork();
  PostQuitMessage(kExitCode);
}

void Application::OnMainWindowCreated() {
  // The look of the standard controls comes from the manifest (Common Controls 6).
  tray_.Attach();
  records_.Open();
  reminders_.Open(ExecutableDirectory());
  worker_.Post([this] { SetUpMainWindow(); });
  // Their work is queued behind the set-up, which makes the day watch.
  StartDaySignals(main_.Handle());
}

bool Application::OnMainWindowMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (tray_.OnWindowMessage(message, wParam, lParam)) return true;
  // The close box, Alt+F4 and the window menu's 关闭; a WM_CLOSE sent by another program (the
  // setup program ending this copy, the end of the session) still ends the program.
  if (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_CLOSE) {
    OnCloseBox();
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
  return {*this, records_, main_.Status()};
}

void Application::SetUpMainWindow() {
  // Before anything reads the clock: a midnight during the set-up is then a new day.
  dayWatch_.emplace(Now());
  memo::SetUpMainWindow(Parts(), settings_);
  // Alerts missed while the program was not running show at once.
  reminders_.LookOnWorker();
  // Behind the upcoming pass, whose own balloon would replace it.
  worker_.Post([this] { tray_.ShowStartBalloon(); });
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
    ShowNewDay(Parts(), settings_, change);
    // A resume, an unlock or a change of the clock may have passed an alert's time.
    if (signal != DaySignal::kLock) reminders_.LookOnWorker();
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

void Application::OnToolbarButton(ui::main_window::ToolbarButton button) {
  using Button = ui::main_window::ToolbarButton;
  switch (button) {
    case Button::kAdd:
      friends_.OnAddFriend();
      break;
    case Button::kEdit:
      friends_.OnEditFriend();
      break;
    case Button::kDelete:
      friends_.OnDeleteFriends();
      break;
    case Button::kSettings: {
      ui::SettingsWindow settings(settings_, *this);
      settings.OpenModal(main_.Handle());
      break;
    }
    case Button::kUpcoming:
      main_.ShowPage(ui::kReportPage);
      records_.StartUpcomingPass();
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

void Application::ShowTrayIcon() {
  tray_.Show();
}

void Application::RemoveTrayIcon() {
  tray_.Remove();
}

void Application::DaysAheadChanged() {
  records_.StartUpcomingPass();
}

void Application::AgeFormChanged() {
  records_.ReloadFriends();
}

void Application::RemindersChanged() {
  worker_.Post([this] { reminders_.LookOnWorker(); });
}

bool Application::StartsAtLogOn() {
  return memo::StartsAtLogOn();
}

bool Application::SetStartAtLogOn(bool on) {
  return memo::SetStartAtLogOn(on);
}

void Application::BringForward() {
  HWND window = main_.Handle();
  ShowWindow(window, IsIconic(window) ? SW_RESTORE : SW_SHOW);
  // A modal window keeps the main window disabled while it is open: it is the one to work in.
  SetForegroundWindow(IsWindowEnabled(window) ? window : GetLastActivePopup(window));
}

}  // namespace memo
