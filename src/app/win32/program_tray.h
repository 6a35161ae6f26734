// The main window's tray icon as the program shows it: the icon of the program's resources
// with the default tip, the upcoming pass's tip and balloons from any thread, and the icon's
// part of the main window's messages: its clicks (the right button opens the tray menu, the
// left one shows or hides the window), the balloon's timer, the taskbar made anew and the
// window's destruction, which the icon must not outlive.
#pragma once

#include <windows.h>

#include <string>

#include "app/tray_icon.h"
#include "app/win32/win32_tray_platform.h"
#include "ui/main_window.h"
#include "window_logic/report_outputs.h"

namespace memo {

class ProgramTray : public TrayNotifier {
 public:
  explicit ProgramTray(ui::MainWindow& window);

  // Once the main window exists.
  void Attach();
  // Any thread; each applied on the user-interface thread (at once when called there).
  void Show();
  void Remove();
  void SetTip(const std::string& text) override;
  void ShowBalloon(const std::string& title, const std::string& text, int icon, int timeoutMs,
                   bool hideAfterTimeout) override;
  // The balloon of the test hook BIRTHDAY_MEMO_BALLOON, for ShowStartBalloon.
  void SetStartBalloon(const std::string& title, const std::string& text);
  // Shows that balloon, if there is one.
  void ShowStartBalloon();

  // The icon's part of one message of the main window; true when the message was the icon's
  // alone, false when the window handles it too.
  bool OnWindowMessage(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  void OnClick(UINT mouseMessage);

  ui::MainWindow& window_;
  const UINT taskbarCreatedMessage_;
  const std::string iconFile_;
  Win32TrayPlatform platform_;
  TrayIcon icon_;
  std::string startBalloonTitle_;
  std::string startBalloonText_;
};

}  // namespace memo
