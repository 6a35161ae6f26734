#include "ui/calendar_export_window.h"

#include <string>

#include "exchange/calendar_writer.h"
#include "text/win32/wide_text.h"
#include "ui/window_ids.h"

namespace memo::ui {
namespace {

using namespace calendar_export_window;
using Type = ControlType;

const char* const kRulesNoteText =
    "由手机日历自动重复；农历生日在少数年份可能与本程序差一天。"
    "不选时每年的生日都按本程序的日子写入。";

// clang-format off
const ControlDesign kControls[] = {
  // id         type             text                                 left top  width height
  {kYearsLabel, Type::kLabel,    "导出多少年（从今年起）：",           {16,  18,  160,  20}},
  {kYears,      Type::kEditBox,  "21",                                {180, 16,  56,   20}, kNoContainer, 0, kNoTabOrder, kCentredText | kIntegerInput},
  {kRules,      Type::kCheckBox, "每位好友一个重复事件",                {16,  46,  300,  20}},
  {kRulesNote,  Type::kLabel,    kRulesNoteText,                      {16,  72,  300,  48}, kNoContainer, 0, kNoTabOrder, kCompactFont},
  {kSave,       Type::kButton,   "确定",                              {128, 128, 88,   24}, kNoContainer, 0, kNoTabOrder, kDefaultButton},
  {kCancel,     Type::kButton,   "取消",                              {228, 128, 88,   24}, kNoContainer, 0, kNoTabOrder, kCancelButton},
};
// clang-format on

const WindowDesign kWindow = {kCalendarExportWindowClass,
                              "导出日历",
                              340,
                              200,
                              false,
                              kControls,
                              sizeof(kControls) / sizeof(kControls[0])};

}  // namespace

CalendarExportWindow::CalendarExportWindow() : form_(kWindow) {
  form_.Get<Button>(kSave).onClick = [this] { Confirm(); };
  form_.Get<Button>(kCancel).onClick = [this] { form_.Close(); };
}

std::optional<CalendarChoice> CalendarExportWindow::Ask(HWND owner) {
  form_.OpenModal(owner);
  return choice_;
}

void CalendarExportWindow::Confirm() {
  const std::optional<int> years = CalendarYearsOf(form_.Get<EditBox>(kYears).Text());
  if (!years) {
    const std::string message = "请输入1到" + std::to_string(kMaxCalendarYears) + "之间的年数。";
    MessageBoxW(form_.Handle(), Wide(message).c_str(), Wide("导出日历").c_str(),
                MB_OK | MB_ICONEXCLAMATION);
    form_.Get<EditBox>(kYears).Focus();
    return;
  }
  choice_ = CalendarChoice{*years, form_.Get<CheckBox>(kRules).Checked()};
  form_.Close();
}

}  // namespace memo::ui
