#include "app/tray_icon.h"

#include "text/text_operations.h"

namespace memo {

const char* const kDefaultTrayTip = "寿辰备忘录！";

std::string CutGbkText(const std::string& text, size_t maxBytes) {
  return text.substr(0, GbkPrefixLength(text, maxBytes));
}

void TrayIcon::Show(const std::optional<std::string>& icoFile,
                    const std::optional<std::string>& tip, TrayClickHandler handler) {
  if (shown_) {
    if (icoFile) SetImage(*icoFile);
    if (tip) SetTip(*tip);
    return;
  }
  IconHandle icon = icoFile ? platform_.MakeIcon(*icoFile) : platform_.WindowSmallIcon();
  if (!icoFile && icon == 0) return;
  shown_ = true;
  if (handler) handler_ = std::move(handler);
  record_.id = kTrayIconId;
  record_.flags = kTrayIconFlags;
  record_.callbackMessage = kTrayCallbackMessage;
  record_.icon = icon;
  if (tip) record_.tip = CutGbkText(*tip, kTipByteLimit);
  platform_.Notify(TrayCommand::Add, record_);
}

void TrayIcon::SetImage(const std::string& icoFile) {
  record_.flags = kTrayIconFlags;
  record_.icon = platform_.MakeIcon(icoFile);
  platform_.Notify(TrayCommand::Modify, record_);
}

void TrayIcon::SetTip(const std::string& text) {
  record_.flags = kTrayIconFlags;
  record_.tip = CutGbkText(text, kTipByteLimit);
  platform_.Notify(TrayCommand::Modify, record_);
}

void TrayIcon::ShowBalloon(const std::string& title, const std::string& text, uint32_t balloonIcon,
                           int timeoutMs, bool hideAfterTimeout) {
  ShowBalloonRecord(title, text, balloonIcon);
  // A second balloon within the time-out restarts the same timer.
  if (hideAfterTimeout) platform_.StartTimer(kBalloonTimerId, timeoutMs);
}

void TrayIcon::ShowBalloonRecord(const std::string& title, const std::string& text,
                                 uint32_t balloonIcon) {
  record_.flags = TrayInfoFlag;
  record_.balloonTitle = CutGbkText(title, kBalloonTitleByteLimit);
  record_.balloonText = CutGbkText(text, kBalloonTextByteLimit);
  record_.balloonIcon = balloonIcon;
  platform_.Notify(TrayCommand::Modify, record_);
}

void TrayIcon::OnBalloonTimer() {
  platform_.StopTimer(kBalloonTimerId);
  ShowBalloonRecord(std::string(), std::string(), 0);
}

void TrayIcon::Remove() {
  if (!shown_) return;
  shown_ = false;
  platform_.Notify(TrayCommand::Delete, record_);
}

TrayIcon::MessageOutcome TrayIcon::OnWindowMessage(uint32_t message, uintptr_t wParam,
                                                   intptr_t lParam) {
  if (message == kDestroyWindowMessage) {
    // No icon may outlive its window: the shell would keep it until the pointer passes.
    Remove();
  } else if (message == kTrayCallbackMessage && handler_) {
    // A copy: the handler may show or hide windows, which may come back here.
    TrayClickHandler handler = handler_;
    handler(static_cast<int>(lParam));
    return MessageOutcome::kConsumed;
  } else if (message == kTimerMessage && wParam == kBalloonTimerId) {
    OnBalloonTimer();
    return MessageOutcome::kConsumed;
  } else if (shown_ && taskbarCreatedMessage_ != 0 && message == taskbarCreatedMessage_) {
    // The new taskbar knows no icon: the shown one is added again as it stands.
    record_.flags = kTrayIconFlags;
    platform_.Notify(TrayCommand::Add, record_);
  }
  return MessageOutcome::kPassOn;
}

}  // namespace memo
