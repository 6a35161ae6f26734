// The program's settings: their value names under the settings key and what a missing
// value stands for.
#pragma once

namespace memo {

// Where the settings live under the current user's root (registry root code 3).
constexpr int kSettingsRootCode = 3;
constexpr const char* kSettingsKey = "Software\\Tavelin";

constexpr const char* kSortSetting = "paixu";                    // sort code of the friend list
constexpr const char* kDaysSetting = "tianshuo";                 // days ahead; 0 stands for 10
constexpr const char* kPopUpSetting = "tanchu";                  // 0: pop up the balloon
constexpr const char* kTraySetting = "tubiao";                   // 0: show the tray icon
constexpr const char* kTitleSetting = "biaoti";                  // the main window's caption
constexpr const char* kAgeSetting = "nianling";                  // how ages are shown: an AgeForm
constexpr const char* kReminderTimeSetting = "tixingshijian";    // minutes after midnight
constexpr const char* kAlertTicksSetting = "tiqiantixing";       // 提前提醒: AlertTick bits
constexpr const char* kReminderSoundSetting = "tixingshengyin";  // 1: play a sound
constexpr const char* kCloseSetting = "guanbi";                  // the close box: a CloseChoice

// 提醒时间 09:00 until the user sets another.
constexpr int kDefaultReminderMinute = 9 * 60;

// 提前提醒, as ticks a phone's alerts offer, one bit each.
enum AlertTick : int {
  kAlertOnTheDay = 1 << 0,
  kAlertOneDayBefore = 1 << 1,
  kAlertThreeDaysBefore = 1 << 2,
  kAlertSevenDaysBefore = 1 << 3,
  kAlertFifteenDaysBefore = 1 << 4,
  kAlertThirtyDaysBefore = 1 << 5,
};
// The days before the birthday of each tick, bit by bit.
constexpr int kAlertTickDays[] = {0, 1, 3, 7, 15, 30};
constexpr int kDefaultAlertTicks = kAlertOnTheDay | kAlertOneDayBefore | kAlertSevenDaysBefore;

// What the main window's close box does: asks once, hides to the tray, or ends the program.
enum class CloseChoice { kAsk = 0, kTray = 1, kExit = 2 };
// The choice a stored value stands for; kAsk for a missing or unknown one.
constexpr CloseChoice CloseChoiceOf(int stored) {
  return stored == 1 ? CloseChoice::kTray : stored == 2 ? CloseChoice::kExit : CloseChoice::kAsk;
}

// 年龄显示: 周岁, 虚岁 or both ("32岁（虚岁33）"), stored as 0, 1 and 2.
enum class AgeForm { kFullYears = 0, kNominal = 1, kBoth = 2 };
// The form a stored value stands for; 周岁 for a missing or unknown one.
constexpr AgeForm AgeFormOf(int stored) {
  return stored == 1 ? AgeForm::kNominal : stored == 2 ? AgeForm::kBoth : AgeForm::kFullYears;
}

constexpr int kDefaultDaysAhead = 10;
// The days ahead a stored value stands for.
constexpr int DaysAheadOf(int stored) {
  return stored == 0 ? kDefaultDaysAhead : stored;
}
extern const char* const kDefaultTitle;  // "寿辰备忘录"

}  // namespace memo
