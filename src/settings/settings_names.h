// The program's five settings: their value names under the settings key and what a missing
// value stands for.
#pragma once

namespace memo {

// Where the settings live under the current user's root (registry root code 3).
constexpr int kSettingsRootCode = 3;
constexpr const char* kSettingsKey = "Software\\Tavelin";

constexpr const char* kSortSetting = "paixu";     // sort code of the friend list
constexpr const char* kDaysSetting = "tianshuo";  // days ahead; 0 stands for 10
constexpr const char* kPopUpSetting = "tanchu";   // 0: pop up the balloon
constexpr const char* kTraySetting = "tubiao";    // 0: show the tray icon
constexpr const char* kTitleSetting = "biaoti";   // the main window's caption

constexpr int kDefaultDaysAhead = 10;
// The days ahead a stored value stands for.
constexpr int DaysAheadOf(int stored) {
  return stored == 0 ? kDefaultDaysAhead : stored;
}
extern const char* const kDefaultTitle;  // "寿辰备忘录"

}  // namespace memo
