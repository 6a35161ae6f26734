#include "app/tray_icon.h"

#include "datetime/gbk_text.h"

namespace memo {

const char* const DefaultTrayTip = "寿辰备忘录！";

std::string CutGbkText(const std::string& text, size_t maxBytes) {
  return text.substr(0, GbkPrefixLength(text, maxBytes));
}

void TrayIcon::Show(const std::optional<std::string>& icoFile,
                    const std::optional<std::string>& tip, TrayClickHandler handler) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (hooked_) {
    if (icoFile) SetIconImageLocked(*icoFile);
    if (tip) SetTipLocked(*tip);
    return;
  }
  IconHandle icon = icoFile ? platform_.MakeIcon(*icoFile) : platform_.WindowSmallIcon();
  if (!icoFile && icon == 0) return;
  platform_.InstallHook();
  hooked_ = true;
  if (handler) handler_ = std::move(handler);
  record_.id = TrayIconId;
  record_.flags = TrayIconFlags;
  record_.callbackMessage = TrayCallbackMessage;
  record_.icon = icon;
  if (tip) record_.tip = CutGbkText(*tip, TipByteLimit);
  platform_.Notify(TrayCommand::Add, record_);
}

void TrayIcon::SetIconImage(const std::string& icoFile) {
  std::lock_guard<std::mutex> lock(mutex_);
  SetIconImageLocked(icoFile);
}

void TrayIcon::SetIconImageLocked(const std::string& icoFile) {
  record_.flags = TrayIconFlags;
  record_.icon = platform_.MakeIcon(icoFile);
  platform_.Notify(TrayCommand::Modify, record_);
}

void TrayIcon::SetTip(const std::string& text) {
  std::lock_guard<std::mutex> lock(mutex_);
  SetTipLocked(text);
}

void TrayIcon::SetTipLocked(const std::string& text) {
  record_.flags = TrayIconFlags;
  record_.tip = CutGbkText(text, TipByteLimit);
  platform_.Notify(TrayCommand::Modify, record_);
}

void TrayIcon::ShowBalloon(const std::string& title, const std::string& text, uint32_t balloonIcon,
                           int timeoutMs, bool hideAfterTimeout) {
  std::lock_guard<std::mutex> lock(mutex_);
  ShowBalloonLocked(title, text, balloonIcon);
  // A second balloon within the time-out restarts the same timer.
  if (hideAfterTimeout) platform_.StartTimer(BalloonTimerId, timeoutMs);
}

void TrayIcon::ShowBalloonLocked(const std::string& title, const std::string& text,
                                 uint32_t balloonIcon) {
  record_.flags = TrayInfoFlag;
  record_.balloonTitle = CutGbkText(title, BalloonTitleByteLimit);
  record_.balloonText = CutGbkText(text, BalloonTextByteLimit);
  record_.balloonIcon = balloonIcon;
  platform_.Notify(TrayCommand::Modify, record_);
}

void TrayIcon::OnBalloonTimer() {
  std::lock_guard<std::mutex> lock(mutex_);
  platform_.StopTimer(BalloonTimerId);
  ShowBalloonLocked(std::string(), std::string(), 0);
}

void TrayIcon::Remove() {
  std::lock_guard<std::mutex> lock(mutex_);
  RemoveLocked();
}

void TrayIcon::RemoveLocked() {
  if (!hooked_) return;
  platform_.RemoveHook();
  hooked_ = false;
  platform_.Notify(TrayCommand::Delete, record_);
}

bool TrayIcon::IsShown() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return hooked_;
}

TrayRecord TrayIcon::Record() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return record_;
}

TrayIcon::HookOutcome TrayIcon::OnWindowMessage(uint32_t message, intptr_t lParam) {
  if (message == DestroyWindowMessage) {
    Remove();
    platform_.EndProcess(0);
    return HookOutcome::Consumed;
  }
  if (message == TrayCallbackMessage) {
    TrayClickHandler handler;
    {
      std::lock_guard<std::mutex> lock(mutex_);
      handler = handler_;
    }
    if (!handler) return HookOutcome::PassOn;
    // Called outside the lock: the handler may show or hide windows that call back here.
    handler(static_cast<int>(lParam));
    return HookOutcome::Consumed;
  }
  if (taskbarCreatedMessage_ != 0 && message == taskbarCreatedMessage_) {
    std::lock_guard<std::mutex> lock(mutex_);
    record_.flags = TrayIconFlags;
    platform_.Notify(TrayCommand::Add, record_);
  }
  return HookOutcome::PassOn;
}

}  // namespace memo
