#include "app/main_window_setup.h"

#include "reckoning/today.h"
#include "settings/settings_names.h"

namespace memo {

std::string CaptionFromTitle(const std::string& storedTitle) {
  return storedTitle.empty() ? std::string(DefaultTitle) : storedTitle;
}

std::string TodayText(DateTime today, const std::string& todayLunarText) {
  return "今天是：公历" + DateToText(today) + "   农历" + todayLunarText;
}

namespace {

void ShowFriendList(const MainWindowParts& parts, SettingsStore& settings,
                    const SetUpSteps& steps) {
  int sortCode = settings.ReadNumber(SortSetting);
  ShowRecordCount(steps.loadFriendList ? steps.loadFriendList(sortCode) : 0, parts.status);
}

void ShowTodayText(StatusBar& status) {
  // Today's lunar date as text also on the days whose lunar date makes no Gregorian date
  // (2月30日), where the date value would read 100年1月1日.
  const TodayDates today = TodayNow();
  status.SetPartText(TodayPart, TodayText(today.solar, LunarDateText(today.lunar)));
}

}  // namespace

void SetUpMainWindow(const MainWindowParts& parts, SettingsStore& settings,
                     const SetUpSteps& steps) {
  parts.view.SetCaption(CaptionFromTitle(settings.ReadText(TitleSetting)));
  ShowFriendList(parts, settings, steps);
  ShowTodayText(parts.status);
  if (settings.ReadNumber(TraySetting) == 0) parts.view.ShowTrayIcon();
  // The upcoming pass reads the friend list, so it starts only once the list is filled.
  if (steps.startUpcomingPass) steps.startUpcomingPass();
  if (steps.showAdvertisement) steps.showAdvertisement();
}

void ShowNewDay(const MainWindowParts& parts, SettingsStore& settings, const SetUpSteps& steps,
                const DayChange& change) {
  if (change.ages) ShowFriendList(parts, settings, steps);
  if (!change.today) return;
  ShowTodayText(parts.status);
  if (steps.startUpcomingPass) steps.startUpcomingPass();
}

}  // namespace memo
