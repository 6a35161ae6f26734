#include "app/win32/application.h"

#include "app/win32/web_extras.h"
#include "records/friend_list.h"
#include "resource_ids.h"
#include "ui/images.h"
#include "ui/settings_window.h"
#include "ui/ui_thread.h"

namespace memo {

Application::Application()
    : main_(*this),
      taskbarCreatedMessage_(RegisterWindowMessageW(L"TaskbarCreated")),
      tray_(trayPlatform_, taskbarCreatedMessage_),
      trayIconFile_(ui::ResourceBytes(IDR_TRAY_ICON)),
      records_(*this, ExecutableDirectory()),
      friends_(records_, main_, [this] { StartUpcomingPass(); }) {
  records_.AttachHooks(*this);
  friends_.AttachHooks(hooks);
}

void Application::SetStartBalloon(const std::string& title, const std::string& text) {
  startBalloonTitle_ = title;
  startBalloonText_ = text;
}

int Application::Run() {
  main_.Open();
  return ui::RunMessageLoop();
}

void Application::OnMainWindowCreated() {
  // The look of the standard controls comes from the manifest (Common Controls 6).
  ui::SetUiWorkWindow(main_.Handle());
  trayPlatform_.Attach(main_.Handle(), tray_);
  if (hooks.openBirthdayDatabase) hooks.openBirthdayDatabase();
  worker_.Post([this] { SetUpMainWindow(); });
}

void Application::OnMainWindowDestroying() {
  // Work still on its way to the window is dropped: the worker must not wait for it when the
  // program ends.
  ui::SetUiWorkWindow(nullptr);
}

void Application::SetUpMainWindow() {
  SetUpSteps steps;
  steps.loadFriendList = hooks.loadFriendList;
  steps.startUpcomingPass = [this] { StartUpcomingPass(); };
  steps.showAdvertisement = [this] {
    pictureDownload_.Post([this] { main_.Picture().ShowDownloaded(FetchPublisherPicture()); });
  };
  memo::SetUpMainWindow({*this, main_.Status()}, settings_, steps);
  if (!startBalloonText_.empty() || !startBalloonTitle_.empty()) {
    // Behind the upcoming pass, whose own balloon would replace it.
    worker_.Post([this] {
      ShowBalloon(startBalloonTitle_, startBalloonText_, kInformationBalloonIcon, kBalloonTimeoutMs,
                  true);
    });
  }
}

void Application::StartUpcomingPass() {
  if (hooks.recomputeUpcoming) worker_.Post(hooks.recomputeUpcoming);
}

void Application::OnToolbarButton(int index) {
  switch (index) {
    case 0:  // 添加
      AddFriend();
      break;
    case 1: {  // 编辑
      int64_t rowid = main_.FriendList().CurrentId();
      if (rowid != 0 && hooks.editFriend) hooks.editFriend(rowid);
      break;
    }
    case 2:  // 删除
      if (hooks.deleteSelectedFriends) hooks.deleteSelectedFriends();
      break;
    case 4: {  // 设置
      ui::SettingsWindow settings(settings_, *this);
      settings.OpenModal(main_.Handle());
      break;
    }
    case 5:  // 最近生日
      main_.ShowPage(ui::ReportPage);
      StartUpcomingPass();
      break;
    case 7:  // 关于
      ui::SettingsWindow::OpenAbout(main_.Handle(), settings_, *this);
      break;
    case 8:  // 退出: at once; the icon goes first so that no dead icon stays in the tray.
      tray_.Remove();
      ExitProcess(0);
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

void Application::OnSortMenu(int sortCode) {
  memo::OnSortMenu(records_.Records(), sortCode, [this](std::function<void()> reload) {
    worker_.Post([this, reload] { records_.Use([&reload](RecordsContext&) { reload(); }); });
  });
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
