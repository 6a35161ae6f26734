#include "ui/birthday_window.h"

#include "text/text_operations.h"
#include "text/win32/wide_text.h"
#include "ui/month_calendar.h"
#include "ui/popup_menu.h"
#include "ui/ui_thread.h"
#include "ui/window_ids.h"

namespace memo::ui {
namespace {

using namespace birthday_window;
using Type = ControlType;

constexpr char kMessageCaption[] = "寿辰备忘录";

// The date box is a date picker in solar mode and a read-only text of the lunar date in
// lunar mode, in one place. The "…" button lies beside it, where it covers none of the
// date's text. The calendar, last of all, covers the contact row
// and the buttons while it is shown. The sample name and number are hints, never content.
// clang-format off
const ControlDesign kControls[] = {
  // id             type                       text            left top  width height  container    page tab flags
  {kNameLabel,      Type::kLabel,              "姓名：",       {8,   18,  40,  16}},
  {kName,           Type::kEditBox,            "王小明",       {48,  18,  144, 24},  kNoContainer, 0,   0,  kHintText},
  {kMethodGroup,    Type::kGroupBox,           "提醒方式",     {11,  55,  280, 48}},
  {kSolar,          Type::kRadioBox,           "公历",         {44,  19,  112, 20},  kMethodGroup, 0,   1},
  {kLunar,          Type::kRadioBox,           "农历",         {172, 19,  89,  20},  kMethodGroup, 0,   2, kInitiallyChecked},
  {kDateLabel,      Type::kLabel,              "生日：",       {16,  122, 40,  16}},
  {kDate,           Type::kDatePicker,         "",             {56,  121, 184, 24},  kNoContainer, 0,   3, kHidden},
  {kLunarDate,      Type::kEditBox,            "",             {56,  121, 184, 24},  kNoContainer, 0,   3, kReadOnly},
  {kCalendarButton, Type::kButton,             "…",            {244, 123, 30,  20},  kNoContainer, 0,   4},
  {kLeapMonth,      Type::kCheckBox,           "闰月",         {282, 122, 64,  20},  kNoContainer, 0,   kNoTabOrder, kHidden},
  {kNoYear,         Type::kCheckBox,           "不知道年份",   {56,  148, 120, 20},  kNoContainer, 0,   5},
  {kContactLabel,   Type::kLabel,              "联系方式：",   {16,  184, 72,  16}},
  {kContact,        Type::kEditBox,            "13800138000",  {82,  180, 198, 24},  kNoContainer, 0,   6,  kHintText},
  {kCalledAsLabel,  Type::kLabel,              "称呼：",       {16,  216, 72,  16}},
  {kCalledAs,       Type::kEditBox,            "妈妈",         {82,  212, 198, 24},  kNoContainer, 0,   7,  kHintText},
  {kGroupsLabel,    Type::kLabel,              "分组：",       {16,  248, 72,  16}},
  {kGroups,         Type::kEditBox,            "家人、同事",   {82,  244, 198, 24},  kNoContainer, 0,   8,  kHintText},
  {kGroupsButton,   Type::kButton,             "▼",            {284, 246, 30,  20},  kNoContainer, 0,   9},
  {kNoteLabel,      Type::kLabel,              "备注：",       {16,  280, 72,  16}},
  {kNote,           Type::kEditBox,            "",             {82,  276, 320, 64},  kNoContainer, 0,   10, kMultiLine},
  {kSave,           Type::kButton,             "确定",         {160, 356, 96,  28},  kNoContainer, 0,   11, kDefaultButton},
  {kCancel,         Type::kButton,             "取消",         {272, 356, 96,  28},  kNoContainer, 0,   12, kCancelButton},
  {kCalendar,       Type::kLunarMonthCalendar, "",             {56,  146, 365, 262}, kNoContainer, 0,   13, kHidden},
};
// clang-format on

// The window ends below its buttons; while the calendar is open it grows to hold it.
constexpr int kWindowHeight = 424;
constexpr int kHeightWithCalendar = 448;

const WindowDesign kWindow = {kBirthdayWindowClass,
                              "添加好友生日",
                              431,
                              kWindowHeight,
                              false,
                              kControls,
                              sizeof(kControls) / sizeof(kControls[0])};

// What the form stores for 农历月历1: 2012-01-12, lunar mode, the default template, the
// lists shown.
CalendarStoredData CalendarDesign() {
  CalendarStoredData data;
  data.day = DayNumber::FromCivil(2012, 1, 12);
  data.solarMode = false;
  data.textTemplate.clear();
  data.showLists = true;
  return data;
}

}  // namespace

BirthdayWindow::BirthdayWindow(RecordsContext& records, RecordsGuard guard, int64_t editedFriend)
    : form_(kWindow), guard_(std::move(guard)), logic_(*this, records, editedFriend) {
  form_.Get<MonthCalendar>(kCalendar).SetStoredData(CalendarDesign());
  BindEvents();
}

void BirthdayWindow::BindEvents() {
  form_.onCreated = [this] { guard_([this] { logic_.OnCreated(); }); };
  form_.onLeftButtonDown = [this] { logic_.OnWindowClick(); };
  for (int box : {kName, kContact, kCalledAs, kGroups}) {
    EditBox& edit = form_.Get<EditBox>(box);
    edit.onFocus = [&edit] { edit.SelectAll(); };
    edit.onLeftButtonUp = [&edit] { edit.SelectAll(); };
  }
  form_.Get<RadioBox>(kSolar).onClick = [this] { logic_.OnSolarChosen(); };
  form_.Get<RadioBox>(kLunar).onClick = [this] { logic_.OnLunarChosen(); };
  form_.Get<Button>(kCalendarButton).onClick = [this] { logic_.OnCalendarButton(); };
  form_.Get<MonthCalendar>(kCalendar).onDatePicked = [this] { logic_.OnCalendarDatePicked(); };
  form_.Get<CheckBox>(kLeapMonth).onClick = [this] { logic_.OnLeapClicked(); };
  form_.Get<Button>(kGroupsButton).onClick = [this] {
    guard_([this] { logic_.OnGroupsButton(); });
  };
  form_.Get<Button>(kSave).onClick = [this] {
    if (!logic_.RefusesEmptyName()) guard_([this] { logic_.OnOk(); });
  };
  form_.Get<Button>(kCancel).onClick = [this] { form_.Close(); };
  // Escape closes an open calendar before the window, and the keyboard goes back to the date.
  form_.onEscape = [this] {
    if (!CalendarShown()) return false;
    ShowCalendar(false);
    form_.Get<DatePicker>(kDate).Focus();
    return true;
  };
}

void BirthdayWindow::OpenModal(HWND owner) {
  form_.OpenModal(owner);
}

void BirthdayWindow::OpenForEditing(HWND owner, RecordsContext& records, RecordsGuard guard,
                                    int64_t rowid, std::function<void()> onSaved) {
  auto* window = new BirthdayWindow(records, std::move(guard), rowid);
  // Deleted once the message that closed it has been handled.
  window->form_.onDestroyed = [window, onSaved = std::move(onSaved)] {
    if (window->Saved() && onSaved) onSaved();
    RunOnUiLater([window] { delete window; });
  };
  window->form_.Open(owner);
}

std::string BirthdayWindow::NameText() const {
  return form_.Get<EditBox>(kName).Text();
}
void BirthdayWindow::SetNameText(const std::string& text) {
  form_.Get<EditBox>(kName).SetText(text);
}
std::string BirthdayWindow::ContactText() const {
  return form_.Get<EditBox>(kContact).Text();
}
void BirthdayWindow::SetContactText(const std::string& text) {
  form_.Get<EditBox>(kContact).SetText(text);
}
std::string BirthdayWindow::CalledAsText() const {
  return form_.Get<EditBox>(kCalledAs).Text();
}
void BirthdayWindow::SetCalledAsText(const std::string& text) {
  form_.Get<EditBox>(kCalledAs).SetText(text);
}
std::string BirthdayWindow::GroupsText() const {
  return form_.Get<EditBox>(kGroups).Text();
}
void BirthdayWindow::SetGroupsText(const std::string& text) {
  form_.Get<EditBox>(kGroups).SetText(text);
}
// The box ends its lines with CR LF, the friend with LF.
std::string BirthdayWindow::NoteText() const {
  return ReplaceText(form_.Get<EditBox>(kNote).Text(), "\r\n", "\n");
}
void BirthdayWindow::SetNoteText(const std::string& text) {
  form_.Get<EditBox>(kNote).SetText(ReplaceText(text, "\n", "\r\n"));
}
bool BirthdayWindow::NoYearChosen() const {
  return form_.Get<CheckBox>(kNoYear).Checked();
}
void BirthdayWindow::ChooseNoYear(bool noYear) {
  form_.Get<CheckBox>(kNoYear).SetChecked(noYear);
}
// Under the 分组 box's button, the items' codes their places.
std::optional<size_t> BirthdayWindow::PickFromMenu(const std::vector<std::string>& items,
                                                   const std::vector<bool>& checked) {
  std::vector<MenuItemDesign> menu = {{0, "", kNoMenuCode}};
  for (size_t i = 0; i < items.size(); ++i) {
    menu.push_back({1, items[i].c_str(), static_cast<int>(i)});
  }
  RECT button;
  GetWindowRect(form_.ControlAt(kGroupsButton).Handle(), &button);
  const POINT at = {button.left, button.bottom};
  const int code = ShowPopupMenu(
      form_.Handle(), menu.data(), menu.size(), nullptr,
      [&checked](int item) { return checked.at(static_cast<size_t>(item)); }, &at);
  if (code == kNoMenuCode) return std::nullopt;
  return static_cast<size_t>(code);
}
bool BirthdayWindow::LunarChosen() const {
  return form_.Get<RadioBox>(kLunar).Checked();
}
void BirthdayWindow::ChooseLunar(bool lunar) {
  form_.Get<RadioBox>(kLunar).SetChecked(lunar);
  form_.Get<RadioBox>(kSolar).SetChecked(!lunar);
}
DateTime BirthdayWindow::SolarDate() const {
  return form_.Get<DatePicker>(kDate).Value();
}
void BirthdayWindow::ShowSolarDate(DateTime date) {
  form_.Get<DatePicker>(kDate).SetValue(date);
  ShowDateBox(kDate);
}
void BirthdayWindow::ShowLunarDate(const std::string& text) {
  form_.Get<EditBox>(kLunarDate).SetText(text);
  ShowDateBox(kLunarDate);
}
void BirthdayWindow::ShowDateBox(int shown) {
  for (int box : {kDate, kLunarDate}) form_.ControlAt(box).SetVisible(box == shown);
}
void BirthdayWindow::ShowLeap(bool leap) {
  CheckBox& box = form_.Get<CheckBox>(kLeapMonth);
  box.SetChecked(leap);
  box.SetVisible(leap);
}
void BirthdayWindow::SetCaption(const std::string& text) {
  form_.SetCaption(text);
}
void BirthdayWindow::FocusName() {
  form_.Get<EditBox>(kName).Focus();
}
void BirthdayWindow::Warn(const std::string& text) {
  MessageBoxW(form_.Handle(), Wide(text).c_str(), Wide(kMessageCaption).c_str(),
              MB_OK | MB_ICONEXCLAMATION);
}
void BirthdayWindow::Close() {
  form_.Close();
}
DayNumber BirthdayWindow::CalendarDay() const {
  const LunarMonthCalendar* model = form_.Get<MonthCalendar>(kCalendar).Model();
  return model ? model->SelectedDay() : DayNumber();
}
memo::LunarDate BirthdayWindow::CalendarLunarDay() const {
  const LunarMonthCalendar* model = form_.Get<MonthCalendar>(kCalendar).Model();
  return model ? model->SelectedLunarDay() : memo::LunarDate{};
}
void BirthdayWindow::SelectCalendarDay(DayNumber day) {
  form_.Get<MonthCalendar>(kCalendar).SelectDay(day);
}
void BirthdayWindow::SetCalendarSolarMode(bool solar) {
  form_.Get<MonthCalendar>(kCalendar).SetSolarMode(solar);
}
bool BirthdayWindow::CalendarShown() const {
  return form_.ControlAt(kCalendar).WantsVisible();
}
void BirthdayWindow::ShowCalendar(bool shown) {
  form_.SetOuterHeight(shown ? kHeightWithCalendar : kWindowHeight);
  form_.ControlAt(kCalendar).SetVisible(shown);
}

}  // namespace memo::ui
