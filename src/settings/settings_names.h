// The program's settings: their value names under the settings key and what a missing
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
constexpr const char* kAgeSetting = "nianling";   // how ages are shown: an AgeForm

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
