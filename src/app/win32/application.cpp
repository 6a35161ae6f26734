#include "app/win32/application.h"

#include <thread>

#include "app/win32/web_extras.h"
#include "records/friend_list.h"
#include "records/status_bar.h"
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
      tray_(trayPlatform_, taskbarCreatedMessage_),
      trayIconFile_(ui::ResourceBytes(IDR_TRAY_ICON)),
      records_(*this, ExecutableDirectory()),
      friends_(records_, main_, [this] { StartUpcomingPass(); }),
      exchange_(records_, main_, settings_, [this] { ReloadFriends(); }) {
  records_.AttachHooks(*this);
  friends_.AttachHooks(hooks);
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
int Application::Run() {
  main_.Open();
  return ui::RunMessageLoop();
}

void Application::Exit() {
  // At once, and the icon first, so that no dead icon stays in the tray.
  tray_.Remove();
  main_.Close();
}

void Application::OnMainWindowDestroying() {
  // Work still on its way to a window is dropped: the worker must not wait for it.
  ui::EndUiWork();
  PostQuitMessage(kExitCode);
}

void Application::OnMainWindowCreated() {
  // The look of the standard controls comes from the manifest (Common Controls 6).
  trayPlatform_.Attach(main_.Handle());
  if (hooks.openBirthdayDatabase) hooks.openBirthdayDatabase();
  worker_.Post([this] { SetUpMainWindow(); });
}

bool Application::OnMainWindowMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  return tray_.OnWindowMessage(message, wParam, lParam) == TrayIcon::MessageOutcome::kConsumed;
}

void Application::SetUpMainWindow() {
  SetUpSteps steps;
  steps.loadFriendList = hooks.loadFriendList;
  steps.startUpcomingPass = [this] { StartUpcomingPass(); };
  steps.showAdvertisement = [this] { ShowAdvertisement(); };
  memo::SetUpMainWindow({*this, main_.Status()}, settings_, steps);
  if (!startBalloonText_.empty() || !startBalloonTitle_.empty()) {
    // Behind the upcoming pass, whose own balloon would replace it.
    worker_.Post([this] {
      ShowBalloon(startBalloonTitle_, startBalloonText_, kInformationBalloonIcon, kBalloonTimeoutMs,
                  true);
    });
  }
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
  worker_.Post([this] {
    if (!hooks.loadFriendList) return;
    ShowRecordCount(hooks.loadFriendList(settings_.ReadNumber(SortSetting)), main_.Status());
  });
  StartUpcomingPass();
}

void Application::OnToolbarButton(ui::main_window::ToolbarButton button) {
  using Button = ui::main_window::ToolbarButton;
  switch (button) {
    case Button::kAdd:
      AddFriend();
      break;
    case Button::kEdit: {
      int64_t rowid = main_.FriendList().CurrentId();
      if (rowid != 0 && hooks.editFriend) hooks.editFriend(rowid);
      break;
    }
    case Button::kDelete:
      if (hooks.deleteSelectedFriends) hooks.deleteSelectedFriends();
      break;
    case Button::kSettings: {
      ui::SettingsWindow settings(settings_, *this);
      settings.OpenModal(main_.Handle());
      break;
    }
    case Button::kUpcoming:
      main_.ShowPage(ui::ReportPage);
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

void Application::AddFriend() {
  friends_.AddFriend();
}

void Application::OnFriendListDoubleClick() {
  if (main_.FriendList().SelectedIds().empty()) {
    AddFriend();
  } else if (hooks.editFriend) {
    hooks.editFriend(main_.FriendList().CurrentId());
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

void Application::OnImport() {
  exchange_.OnImport();
}

void Application::OnExport() {
  exchange_.OnExport();
}

void Application::OnBackup() {
  exchange_.OnBackup();
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
    tray_.Show(trayIconFile_, std::string(DefaultTrayTip),
               [this](int mouseMessage) { ToggleMainWindow(mouseMessage); });
  });
}

void Application::RemoveTrayIcon() {
  ui::RunOnUi([this] { tray_.Remove(); });
}

void Application::SetTip(const std::string& text) {
  ui::RunOnUi([this, text] { tray_.SetTip(text); });
}

void Application::ShowBalloon(const std::string& title, const std::string& text, int icon,
                              int timeoutMs, bool hideAfterTimeout) {
  ui::RunOnUi([=] { tray_.ShowBalloon(title, text, icon, timeoutMs, hideAfterTimeout); });
}

void Application::ToggleMainWindow(int mouseMessage) {
  if (mouseMessage != LeftButtonDownMessage) return;
  HWND window = main_.Handle();
  ShowWindow(window, IsWindowVisible(window) ? SW_HIDE : SW_SHOW);
}

}  // namespace memo
