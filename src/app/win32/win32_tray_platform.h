// The tray icon's shell and window calls for the main window: Shell_NotifyIcon through the
// wide API, the hook as the window's procedure, the balloon timer. Used on the
// user-interface thread only.
#pragma once

#include <windows.h>

#include "app/tray_icon.h"

namespace memo {

class Win32TrayPlatform : public TrayPlatform {
 public:
  // The window the icon belongs to, and the module whose hook decides on its messages.
  void Attach(HWND window, TrayIcon& tray);

  void Notify(TrayCommand command, const TrayRecord& record) override;
  IconHandle MakeIcon(const std::string& icoFile) override;
  IconHandle WindowSmallIcon() override;
  void InstallHook() override;
  void RemoveHook() override;
  void StartTimer(uint32_t id, int milliseconds) override;
  void StopTimer(uint32_t id) override;
  void EndProcess(int exitCode) override;

 private:
  static LRESULT CALLBACK HookProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  static void CALLBACK BalloonTimerProc(HWND window, UINT message, UINT_PTR id, DWORD time);

  HWND window_ = nullptr;
  TrayIcon* tray_ = nullptr;
  WNDPROC previous_ = nullptr;
};

}  // namespace memo
