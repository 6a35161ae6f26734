#include "app/main_window_setup.h"

#include "reckoning/today.h"
#include "settings/settings_names.h"

namespace memo {

std::string CaptionFromTitle(const std::string& storedTitle) {
  return storedTitle.empty() ? std::string(kDefaultTitle) : storedTitle;
}

std::string TodayText(DateTime today, const std::string& todayLunarText) {
  return "今天是：公历" + DateToText(today) + "   农历" + todayLunarText;
}

namespace {

void ShowFriendList(const MainWindowParts& parts, SettingsStore& settings) {
  ShowRecordCount(parts.friends.LoadFriendList(settings.ReadNumber(kSortSetting)), parts.status);
}

void ShowTodayText(StatusBar& status) {
  // Today's lunar date as text also on the days whose lunar date makes no Gregorian date
  // (2月30日), where the date value would read 100年1月1日.
  const TodayDates today = TodayNow();
  status.SetPartText(kTodayPart, TodayText(today.solar, LunarDateText(today.lunar)));
}

}  // namespace

void SetUpMainWindow(const MainWindowParts& parts, SettingsStore& settings) {
  parts.view.SetCaption(CaptionFromTitle(settings.ReadText(kTitleSetting)));
  ShowFriendList(parts, settings);
  ShowTodayText(parts.status);
  if (settings.ReadNumber(kTraySetting) == 0) parts.view.ShowTrayIcon();
  // The upcoming pass reads the friend list, so it starts only once the list is filled.
  parts.friends.StartUpcomingPass();
  parts.view.ShowAdvertisement();
}

void ShowNewDay(const MainWindowParts& parts, SettingsStore& settings, const DayChange& change) {
  if (change.ages) ShowFriendList(parts, settings);
  if (!change.today) return;
  ShowTodayText(parts.status);
  parts.friends.StartUpcomingPass();
}

}  // namespace memo
