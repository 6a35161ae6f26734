// Start-up's work on the main window once it exists: the caption from the title setting,
// the friend list, the status-bar texts and the tray icon, then the upcoming pass and the
// advertisement picture; and a new day's share of that work. It runs on the background
// worker; the parts it is handed apply their window changes on the user-interface thread.
#pragma once

#include <string>

#include "app/day_watch.h"
#include "datetime/date_time.h"
#include "settings/settings_store.h"
#include "window_logic/status_bar.h"

namespace memo {

// What the set-up changes on the main window besides its lists and status bar.
class MainWindowView {
 public:
  virtual ~MainWindowView() = default;
  virtual void SetCaption(const std::string& text) = 0;
  virtual void ShowTrayIcon() = 0;
  virtual void ShowAdvertisement() = 0;
};

// What the set-up asks of the friends.
class FriendPasses {
 public:
  virtual ~FriendPasses() = default;
  // Fills the friend list in that order, now; gives its count.
  virtual int LoadFriendList(int sortCode) = 0;
  // Queued behind the set-up.
  virtual void StartUpcomingPass() = 0;
};

struct MainWindowParts {
  MainWindowView& view;
  FriendPasses& friends;
  StatusBar& status;
};

// An empty stored title gives the default one; any other text stays as it is.
std::string CaptionFromTitle(const std::string& storedTitle);
// "今天是：公历" today "   农历" today's lunar date, both in the 年月日 form.
std::string TodayText(DateTime today, const std::string& todayLunarText);

void SetUpMainWindow(const MainWindowParts& parts, SettingsStore& settings);
// What the day change asks for, of the set-up's parts: the friend list for the ages, then
// the today text and the upcoming pass, whose balloon follows the same settings as at start.
void ShowNewDay(const MainWindowParts& parts, SettingsStore& settings, const DayChange& change);

}  // namespace memo
