// The program's five settings: their value names under the settings key and what a missing
// value stands for.
#pragma once

namespace memo {

// Where the settings live under the current user's root (registry root code 3).
constexpr int SettingsRootCode = 3;
constexpr const char* SettingsKey = "Software\\Tavelin";

constexpr const char* SortSetting = "paixu";     // sort code of the friend list
constexpr const char* DaysSetting = "tianshuo";  // days ahead; 0 stands for 10
constexpr const char* PopUpSetting = "tanchu";   // 0: pop up the balloon
constexpr const char* TraySetting = "tubiao";    // 0: show the tray icon
constexpr const char* TitleSetting = "biaoti";   // the main window's caption

constexpr int DefaultDaysAhead = 10;
// The days ahead a stored value stands for.
constexpr int DaysAheadOf(int stored) {
  return stored == 0 ? DefaultDaysAhead : stored;
}
extern const char* const DefaultTitle;  // "寿辰备忘录"

}  // namespace memo
