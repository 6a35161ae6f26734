// Start-up's work on the main window once it exists: the caption from the title setting,
// the friend list, the status-bar texts and the tray icon, then the upcoming pass and the
// advertisement picture; and a new day's share of that work. It runs on the background
// worker; the parts it is handed apply their window changes on the user-interface thread.
#pragma once

#include <functional>
#include <string>

#include "app/day_watch.h"
#include "datetime/date_time.h"
#include "window_logic/status_bar.h"
#include "settings/settings_store.h"

namespace memo {

// What the set-up changes on the main window besides its lists and status bar.
class MainWindowView {
 public:
  virtual ~MainWindowView() = default;
  virtual void SetCaption(const std::string& text) = 0;
  virtual void ShowTrayIcon() = 0;
};

// The steps that other modules own; an empty one is skipped.
struct SetUpSteps {
  std::function<int(int sortCode)> loadFriendList;  // fills the friend list, gives its count
  std::function<void()> startUpcomingPass;          // queued behind the set-up
  std::function<void()> showAdvertisement;
};

struct MainWindowParts {
  MainWindowView& view;
  StatusBar& status;
};

// An empty stored title gives the default one; any other text stays as it is.
std::string CaptionFromTitle(const std::string& storedTitle);
// "今天是：公历" today "   农历" today's lunar date, both in the 年月日 form.
std::string TodayText(DateTime today, const std::string& todayLunarText);

void SetUpMainWindow(const MainWindowParts& parts, SettingsStore& settings,
                     const SetUpSteps& steps);
// What the day change asks for, with the set-up's steps: the friend list for the ages, then
// the today text and the upcoming pass, whose balloon follows the same settings as at start.
void ShowNewDay(const MainWindowParts& parts, SettingsStore& settings, const SetUpSteps& steps,
                const DayChange& change);

}  // namespace memo
