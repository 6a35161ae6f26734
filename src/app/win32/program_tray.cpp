#include "app/win32/program_tray.h"

#include <shellapi.h>

#include "resource_ids.h"
#include "ui/images.h"
#include "ui/ui_thread.h"

namespace memo {

static_assert(kInformationBalloonIcon == NIIF_INFO);

ProgramTray::ProgramTray(ui::MainWindow& window)
    : window_(window),
      taskbarCreatedMessage_(RegisterWindowMessageW(L"TaskbarCreated")),
      iconFile_(ui::ResourceBytes(IDR_TRAY_ICON)),
      icon_(platform_) {}

void ProgramTray::Attach() {
  platform_.Attach(window_.Handle());
}

void ProgramTray::Show() {
  ui::RunOnUi([this] { icon_.Show(iconFile_, std::string(kDefaultTrayTip)); });
}

void ProgramTray::Remove() {
  ui::RunOnUi([this] { icon_.Remove(); });
}

void ProgramTray::SetTip(const std::string& text) {
  ui::RunOnUi([this, text] { icon_.SetTip(text); });
}

void ProgramTray::ShowBalloon(const std::string& title, const std::string& text, int icon,
                              int timeoutMs, bool hideAfterTimeout) {
  ui::RunOnUi([=] { icon_.ShowBalloon(title, text, icon, timeoutMs, hideAfterTimeout); });
}

void ProgramTray::SetStartBalloon(const std::string& title, const std::string& text) {
  startBalloonTitle_ = title;
  startBalloonText_ = text;
}

void ProgramTray::ShowStartBalloon() {
  if (startBalloonTitle_.empty() && startBalloonText_.empty()) return;
  ShowBalloon(startBalloonTitle_, startBalloonText_, kInformationBalloonIcon, kBalloonTimeoutMs,
              true);
}

bool ProgramTray::OnWindowMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case kTrayCallbackMessage:
      OnClick(static_cast<UINT>(lParam));
      return true;
    case WM_TIMER:
      return icon_.OnTimer(static_cast<uint32_t>(wParam));
    case WM_DESTROY:
      // The shell would keep a dead icon until the pointer passes over it.
      icon_.Remove();
      return false;
    default:
      if (taskbarCreatedMessage_ != 0 && message == taskbarCreatedMessage_) {
        icon_.OnTaskbarCreated();
      }
      return false;
  }
}

void ProgramTray::OnClick(UINT mouseMessage) {
  if (mouseMessage == WM_RBUTTONUP) {
    window_.ShowTrayMenu();
  } else if (mouseMessage == WM_LBUTTONDOWN) {
    HWND window = window_.Handle();
    ShowWindow(window, IsWindowVisible(window) ? SW_HIDE : SW_SHOW);
  }
}

}  // namespace memo
