#include "app/win32/win32_tray_platform.h"

#include <shellapi.h>

#include "app/icon_file.h"
#include "text/win32/wide_text.h"

namespace memo {
namespace {

static_assert(kTrayMessageFlag == NIF_MESSAGE && kTrayIconFlag == NIF_ICON &&
              kTrayTipFlag == NIF_TIP && kTrayInfoFlag == NIF_INFO);

// The icon format version CreateIconFromResourceEx asks for: 3.0, the only one there is.
constexpr DWORD kIconFormatVersion = 0x00030000;

template <size_t N>
void CopyText(wchar_t (&target)[N], const std::string& gbk) {
  lstrcpynW(target, Wide(gbk).c_str(), N);
}

}  // namespace

void Win32TrayPlatform::Notify(TrayCommand command, const TrayRecord& record) {
  NOTIFYICONDATAW data = {};
  data.cbSize = sizeof(data);
  data.hWnd = window_;
  data.uID = record.id;
  data.uFlags = record.flags;
  data.uCallbackMessage = kTrayCallbackMessage;
  data.hIcon = reinterpret_cast<HICON>(record.icon);
  CopyText(data.szTip, record.tip);
  CopyText(data.szInfo, record.balloonText);
  CopyText(data.szInfoTitle, record.balloonTitle);
  data.dwInfoFlags = record.balloonIcon;
  // In the order of TrayCommand.
  static const DWORD kShellCommands[] = {NIM_ADD, NIM_MODIFY, NIM_DELETE};
  Shell_NotifyIconW(kShellCommands[static_cast<int>(command)], &data);
}

IconHandle Win32TrayPlatform::MakeIcon(const std::string& icoFile) {
  std::optional<IconEntry> entry = FirstIconEntry(icoFile);
  if (!entry) return 0;
  auto* image = reinterpret_cast<BYTE*>(const_cast<char*>(icoFile.data())) + entry->offset;
  HICON icon = CreateIconFromResourceEx(image, entry->byteCount, TRUE, kIconFormatVersion,
                                        entry->width, entry->height, LR_DEFAULTCOLOR);
  return reinterpret_cast<IconHandle>(icon);
}

IconHandle Win32TrayPlatform::WindowSmallIcon() {
  return static_cast<IconHandle>(SendMessageW(window_, WM_GETICON, ICON_SMALL, 0));
}

void Win32TrayPlatform::StartTimer(uint32_t id, int milliseconds) {
  SetTimer(window_, id, milliseconds, nullptr);
}

void Win32TrayPlatform::StopTimer(uint32_t id) {
  KillTimer(window_, id);
}

}  // namespace memo
