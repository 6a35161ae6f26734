#include "app/main_window_setup.h"

#include "settings/settings_names.h"
#include "reckoning/lunar_carrier.h"

namespace memo {

std::string CaptionFromTitle(const std::string& storedTitle) {
  return storedTitle.empty() ? std::string(DefaultTitle) : storedTitle;
}

std::string RecordCountText(int rowCount) {
  return "当前记录数：" + NumberToText(rowCount);
}

std::string TodayText(DateTime today, const std::string& todayLunarText) {
  return "今天是：公历" + DateToText(today) + "   农历" + todayLunarText;
}

void ShowRecordCount(const TextRows& friendList, StatusBar& status) {
  status.SetPartText(RecordCountPart, RecordCountText(friendList.RowCount()));
}

void SetUpMainWindow(const MainWindowParts& parts, SettingsStore& settings,
                     const SetUpSteps& steps) {
  parts.view.SetCaption(CaptionFromTitle(settings.ReadText(TitleSetting)));
  int sortCode = settings.ReadNumber(SortSetting);
  if (steps.loadFriendList) steps.loadFriendList(sortCode);
  ShowRecordCount(parts.friendList, parts.status);
  // Today's lunar date as text also on the days whose lunar date makes no Gregorian date
  // (2月30日), where the date value would read 100年1月1日.
  parts.status.SetPartText(TodayPart, TodayText(DatePart(Now()), TodayLunarText()));
  if (settings.ReadNumber(TraySetting) == 0) parts.view.ShowTrayIcon();
  // The upcoming pass reads the friend list, so it starts only once the list is filled.
  if (steps.startUpcomingPass) steps.startUpcomingPass();
  if (steps.showAdvertisement) steps.showAdvertisement();
}

}  // namespace memo
