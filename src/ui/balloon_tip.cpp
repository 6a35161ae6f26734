#include "ui/balloon_tip.h"

#include <commctrl.h>

#include "text/win32/wide_text.h"

namespace memo::ui {
namespace {

constexpr UINT_PTR kToolId = 1;
constexpr UINT_PTR kHideTimer = 1;
constexpr UINT kShownMs = 5000;

TOOLINFOW ToolOf(HWND tip) {
  TOOLINFOW tool = {};
  tool.cbSize = sizeof(tool);
  tool.hwnd = GetWindow(tip, GW_OWNER);
  tool.uId = kToolId;
  return tool;
}

void CALLBACK Hide(HWND tip, UINT, UINT_PTR timer, DWORD) {
  KillTimer(tip, timer);
  TOOLINFOW tool = ToolOf(tip);
  SendMessageW(tip, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&tool));
}

}  // namespace

void BalloonTip::Show(HWND control, const std::string& text) {
  HWND owner = GetAncestor(control, GA_ROOT);
  std::wstring wide = Wide(text);
  if (!IsWindow(tip_)) {
    tip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                           WS_POPUP | TTS_BALLOON | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT,
                           CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
    if (!tip_) return;
    TOOLINFOW tool = ToolOf(tip_);
    tool.uFlags = TTF_TRACK | TTF_ABSOLUTE;
    tool.lpszText = wide.data();
    SendMessageW(tip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  }
  TOOLINFOW tool = ToolOf(tip_);
  tool.lpszText = wide.data();
  SendMessageW(tip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
  RECT place;
  GetWindowRect(control, &place);
  SendMessageW(tip_, TTM_TRACKPOSITION, 0,
               MAKELPARAM((place.left + place.right) / 2, place.bottom));
  SendMessageW(tip_, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tool));
  SetTimer(tip_, kHideTimer, kShownMs, Hide);
}

}  // namespace memo::ui
