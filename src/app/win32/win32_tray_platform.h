// The tray icon's shell and window calls for the main window: Shell_NotifyIcon through the
// wide API, and the balloon's timer as a timer of the window, whose messages its window
// procedure hands to the icon. Used on the user-interface thread only.
#pragma once

#include <windows.h>

#include "app/tray_icon.h"

namespace memo {

// The message the shell sends the main window for the icon's clicks: the first of the range
// that Windows leaves to the program's own windows (ui_thread's WM_APP + 1 goes to a window of
// its own).
constexpr UINT kTrayCallbackMessage = WM_APP + 1;

class Win32TrayPlatform : public TrayPlatform {
 public:
  // The window the icon belongs to.
  void Attach(HWND window) { window_ = window; }

  void Notify(TrayCommand command, const TrayRecord& record) override;
  IconHandle MakeIcon(const std::string& icoFile) override;
  IconHandle WindowSmallIcon() override;
  void StartTimer(uint32_t id, int milliseconds) override;
  void StopTimer(uint32_t id) override;

 private:
  HWND window_ = nullptr;
};

}  // namespace memo
