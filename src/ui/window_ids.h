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

namespace main_window {
enum ControlId : int {
  Toolbar = 1,   // 工具条1
  Picture,       // 图片框1
  Pages,         // 高级选择夹1
  Status,        // 状态条1
  FriendList,    // 超级列表框1
  DbConnection,  // 数据库连接1
  RecordSet,     // 生日库
  UpcomingList,  // 超级列表框2
  ReportView,    // 超文本浏览框1
  SearchBox,     // the friend list's search box
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
  Tab = 1,         // 选择夹1
  ReminderGroup,   // 分组框1
  DaysLabel,       // 标签1
  Days,            // 编辑框1
  DaysArrows,      // the days box's up-down arrows
  SaveDays,        // 按钮1
  CancelDays,      // 按钮2
  TitleLabel,      // 标签3
  Title,           // 编辑框2
  TrayBox,         // 选择框1
  PopUpBox,        // 选择框2
  SavePersonal,    // 按钮3
  CancelPersonal,  // 按钮4
  About,           // 标签2
  LogOnBox,        // 选择框3
  AgeLabel,        // 年龄显示：
  FullYears,       // ○周岁
  Nominal,         // ○虚岁
  BothAges,        // ○两者
};
}  // namespace settings_window

namespace birthday_window {
enum ControlId : int {
  NameLabel = 1,   // 标签1
  Name,            // 编辑框1
  MethodGroup,     // 分组框1
  Solar,           // 单选框1
  Lunar,           // 单选框2
  DateLabel,       // 标签2
  Date,            // 日期框1
  CalendarButton,  // 按钮3
  LeapMonth,       // 选择框1
  ContactLabel,    // 标签3
  Contact,         // 编辑框3
  Save,            // 按钮1
  Cancel,          // 按钮2
  Calendar,        // 农历月历1
  LunarDate,       // the date box in lunar mode: the lunar date as text, read-only
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

}  // namespace memo::ui
