#include "ui/birthday_window.h"

#include "ui/window_ids.h"

namespace memo::ui {
namespace {

using namespace birthday_window;
using Type = ControlType;

// The "…" button lies inside the date picker's rectangle; being a later row it lies above
// the picker, so that a click reaches it. The calendar, last of all, covers the contact row
// and the buttons while it is shown.
// clang-format off
const ControlDesign Controls[] = {
  // id             type                   name         text            left top  width height  container    page tab flags
  {NameLabel,       Type::Label,           "标签1",     "姓名：",       {8,   18,  40,  16}},
  {Name,            Type::EditBox,         "编辑框1",   "王小明",       {48,  18,  144, 24},  NoContainer, 0,   0},
  {MethodGroup,     Type::GroupBox,        "分组框1",   "提醒方式",     {11,  55,  280, 48}},
  {Solar,           Type::RadioBox,        "单选框1",   "公历",         {44,  19,  112, 20},  MethodGroup, 0,   1},
  {Lunar,           Type::RadioBox,        "单选框2",   "农历",         {172, 19,  89,  20},  MethodGroup, 0,   2, InitiallyChecked},
  {DateLabel,       Type::Label,           "标签2",     "生日：",       {16,  122, 40,  16}},
  {Date,            Type::DatePicker,      "日期框1",   "",             {56,  121, 184, 24},  NoContainer, 0,   3},
  {CalendarButton,  Type::Button,          "按钮3",     "…",            {186, 123, 38,  20},  NoContainer, 0,   4},
  {LeapMonth,       Type::CheckBox,        "选择框1",   "闰月",         {248, 122, 64,  20},  NoContainer, 0,   NoTabOrder, Hidden},
  {ContactLabel,    Type::Label,           "标签3",     "联系方式：",   {16,  166, 72,  16}},
  {Contact,         Type::EditBox,         "编辑框3",   "13800138000",  {82,  162, 198, 24},  NoContainer, 0,   5},
  {Save,            Type::Button,          "按钮1",     "确定",         {160, 232, 96,  28},  NoContainer, 0,   6},
  {Cancel,          Type::Button,          "按钮2",     "取消",         {272, 232, 96,  28},  NoContainer, 0,   7},
  {Calendar,        Type::CnMonthCalendar, "农历月历1", "",             {56,  146, 365, 262}, NoContainer, 0,   8, Hidden},
};
// clang-format on

const WindowDesign Window = {BirthdayWindowClass,
                             "添加好友生日",
                             431,
                             440,
                             false,
                             Controls,
                             sizeof(Controls) / sizeof(Controls[0])};

}  // namespace

BirthdayWindow::BirthdayWindow() : form_(Window) {
  BindEvents();
}

void BirthdayWindow::BindEvents() {
  form_.onLeftButtonDown = [this] { form_.ControlAt(Calendar).SetVisible(false); };
  for (int box : {Name, Contact}) {
    EditBox& edit = form_.Get<EditBox>(box);
    edit.onFocus = [&edit] { edit.SelectAll(); };
    edit.onLeftButtonUp = [&edit] { edit.SelectAll(); };
  }
  form_.Get<Button>(CalendarButton).onClick = [this] { ToggleCalendar(); };
  form_.Get<Button>(Cancel).onClick = [this] { form_.Close(); };
}

void BirthdayWindow::ToggleCalendar() {
  Control& calendar = form_.ControlAt(Calendar);
  calendar.SetVisible(!calendar.WantsVisible());
}

void BirthdayWindow::OpenModal(HWND owner) {
  form_.OpenModal(owner);
}

}  // namespace memo::ui
