// The windows' class names, their controls' ids, the toolbar's buttons, the tray menu's items
// and the sort menu's codes: how the program's windows and controls are found and worked from
// outside, by tools and tests.
#pragma once

#include "records/sort_code.h"

namespace memo::ui {

constexpr const wchar_t* kMainWindowClass = L"BirthdayMemoMain";
constexpr const wchar_t* kSettingsWindowClass = L"BirthdayMemoSettings";
constexpr const wchar_t* kBirthdayWindowClass = L"BirthdayMemoBirthday";
constexpr const wchar_t* kCalendarExportWindowClass = L"BirthdayMemoCalendarExport";
constexpr const wchar_t* kCloseQuestionWindowClass = L"BirthdayMemoCloseQuestion";
constexpr const wchar_t* kReminderWindowClass = L"BirthdayMemoReminder";

namespace main_window {
enum ControlId : int {
  kToolbar = 1,   // 工具条1
  kPicture,       // 图片框1
  kPages,         // 高级选择夹1
  kStatus,        // 状态条1
  kFriendList,    // 超级列表框1
  kDbConnection,  // 数据库连接1
  kRecordSet,     // 生日库
  kUpcomingList,  // 超级列表框2
  kReportView,    // 超文本浏览框1
  kSearchBox,     // the friend list's search box
  kGroupFilter,   // the 分组 filter beside it
};

// The toolbar's buttons by their place on it, separators included.
enum class ToolbarButton : int {
  kAdd,              // 添加
  kEdit,             // 编辑
  kDelete,           // 删除
  kFirstSeparator,   // a separator
  kSettings,         // 设置
  kUpcoming,         // 最近生日
  kSecondSeparator,  // a separator
  kAbout,            // 关于
  kExit,             // 退出
};
constexpr int kToolbarButtonCount = static_cast<int>(ToolbarButton::kExit) + 1;

// The tray icon's menu; it belongs to the main window.
enum class TrayMenuItem : int {
  kShowMain,  // 显示主窗口
  kUpcoming,  // 最近生日
  kSettings,  // 设置…
  kExit,      // 退出
};
}  // namespace main_window

namespace settings_window {
enum ControlId : int {
  kTab = 1,         // 选择夹1
  kReminderGroup,   // 分组框1
  kDaysLabel,       // 标签1
  kDays,            // 编辑框1
  kDaysArrows,      // the days box's up-down arrows
  kSaveDays,        // 按钮1
  kCancelDays,      // 按钮2
  kTitleLabel,      // 标签3
  kTitle,           // 编辑框2
  kTrayBox,         // 选择框1
  kPopUpBox,        // 选择框2
  kSavePersonal,    // 按钮3
  kCancelPersonal,  // 按钮4
  kAbout,           // 标签2
  kLogOnBox,        // 选择框3
  kAgeLabel,        // 年龄显示：
  kFullYears,       // ○周岁
  kNominal,         // ○虚岁
  kBothAges,        // ○两者
  kCloseGroup,      // 关闭主窗口时
  kCloseToTray,     // ○最小化到托盘，继续提醒
  kCloseExits,      // ○退出
  kTimeLabel,       // 提醒时间：
  kReminderTime,    // the time of day, "09:00"
  kTicksLabel,      // 提前提醒：
  kFirstTick,  // ☐当天, then 提前1天, 3天, 7天, 15天, 30天: one box an AlertTick bit
  kLastTick = kFirstTick + 5,
  kSoundBox,  // ☐提醒时播放声音
};
}  // namespace settings_window

namespace birthday_window {
enum ControlId : int {
  kNameLabel = 1,   // 标签1
  kName,            // 编辑框1
  kMethodGroup,     // 分组框1
  kSolar,           // 单选框1
  kLunar,           // 单选框2
  kDateLabel,       // 标签2
  kDate,            // 日期框1
  kCalendarButton,  // 按钮3
  kLeapMonth,       // 选择框1
  kContactLabel,    // 标签3
  kContact,         // 编辑框3
  kSave,            // 按钮1
  kCancel,          // 按钮2
  kCalendar,        // 农历月历1
  kLunarDate,       // the date box in lunar mode: the lunar date as text, read-only
  kNoYear,          // 不知道年份
  kCalledAsLabel,
  kCalledAs,
  kGroupsLabel,
  kGroups,
  kGroupsButton,
  kNoteLabel,
  kNote,
};
}  // namespace birthday_window

namespace calendar_export_window {
enum ControlId : int {
  kYearsLabel = 1,
  kYears,
  kRules,
  kRulesNote,
  kSave,
  kCancel,
};
}  // namespace calendar_export_window

namespace close_question_window {
enum ControlId : int {
  kQuestion = 1,
  kToTray,   // ○最小化到托盘，继续提醒
  kExit,     // ○退出寿辰备忘录
  kDontAsk,  // ☐不再询问
  kConfirm,
  kCancel,
};
}  // namespace close_question_window

namespace reminder_window {
enum ControlId : int {
  kAlerts = 1,    // the due alerts, one a row
  kCopyGreeting,  // 复制祝福语
  kSnooze,        // 稍后提醒, with its menu of SnoozeChoice in order
  kGreeted,       // 已祝福
  kDone,          // 关闭
};
}  // namespace reminder_window

}  // namespace memo::ui
