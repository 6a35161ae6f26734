#include "app/tray_icon.h"

#include "text/text_operations.h"

namespace memo {

const char* const kDefaultTrayTip = "寿辰备忘录！";

std::string CutGb18030Text(const std::string& text, size_t maxBytes) {
  return text.substr(0, Gb18030PrefixLength(text, maxBytes));
}

void TrayIcon::Show(const std::optional<std::string>& icoFile,
                    const std::optional<std::string>& tip) {
  if (shown_) {
    if (icoFile) SetImage(*icoFile);
    if (tip) SetTip(*tip);
    return;
  }
  IconHandle icon = icoFile ? platform_.MakeIcon(*icoFile) : platform_.WindowSmallIcon();
  if (!icoFile && icon == 0) return;
  shown_ = true;
  record_.id = kTrayIconId;
  record_.flags = kTrayIconFlags;
  record_.icon = icon;
  if (tip) record_.tip = CutGb18030Text(*tip, kTipByteLimit);
  platform_.Notify(TrayCommand::kAdd, record_);
}

void TrayIcon::SetImage(const std::string& icoFile) {
  record_.flags = kTrayIconFlags;
  record_.icon = platform_.MakeIcon(icoFile);
  platform_.Notify(TrayCommand::kModify, record_);
}

void TrayIcon::SetTip(const std::string& text) {
  record_.flags = kTrayIconFlags;
  record_.tip = CutGb18030Text(text, kTipByteLimit);
  platform_.Notify(TrayCommand::kModify, record_);
}

void TrayIcon::ShowBalloon(const std::string& title, const std::string& text, uint32_t balloonIcon,
                           int timeoutMs, bool hideAfterTimeout) {
  ShowBalloonRecord(title, text, balloonIcon);
  // A second balloon within the time-out restarts the same timer.
  if (hideAfterTimeout) platform_.StartTimer(kBalloonTimerId, timeoutMs);
}

void TrayIcon::ShowBalloonRecord(const std::string& title, const std::string& text,
                                 uint32_t balloonIcon) {
  record_.flags = kTrayInfoFlag;
  record_.balloonTitle = CutGb18030Text(title, kBalloonTitleByteLimit);
  record_.balloonText = CutGb18030Text(text, kBalloonTextByteLimit);
  record_.balloonIcon = balloonIcon;
  platform_.Notify(TrayCommand::kModify, record_);
}

void TrayIcon::Remove() {
  if (!shown_) return;
  shown_ = false;
  platform_.Notify(TrayCommand::kDelete, record_);
}

bool TrayIcon::OnTimer(uint32_t id) {
  if (id != kBalloonTimerId) return false;
  platform_.StopTimer(kBalloonTimerId);
  ShowBalloonRecord(std::string(), std::string(), 0);
  return true;
}

void TrayIcon::OnTaskbarCreated() {
  if (!shown_) return;
  record_.flags = kTrayIconFlags;
  platform_.Notify(TrayCommand::kAdd, record_);
}

}  // namespace memo
