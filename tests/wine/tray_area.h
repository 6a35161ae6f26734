// The notification area as a person sees it. The taskbar (Wine's explorer) draws the icons
// itself, the first one in the rightmost slot; a balloon is a tooltip window of its own.
#pragma once

#include <windows.h>

#include <string>

namespace wine_test {

bool TrayShowsIcon();
void ClickTrayIcon();
void RightClickTrayIcon();
HWND VisibleBalloon();
// What the taskbar keeps of the notification area, read from its tooltips: the first icon's
// tip (empty without an icon) and a balloon's text.
std::wstring TrayTip();
std::wstring BalloonText(HWND balloon);
// True when the balloon looks exactly like an information balloon with this title and text
// that the test draws in the same place. (The tooltip here answers no question about its
// title.)
bool BalloonShows(HWND balloon, const std::wstring& title, const std::wstring& text);

}  // namespace wine_test
