#include "ui/birthday_window.h"

#include "text/win32/wide_text.h"
#include "ui/month_calendar.h"
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
  // id             type                   text            left top  width height  container    page tab flags
  {NameLabel,       Type::Label,           "姓名：",       {8,   18,  40,  16}},
  {Name,            Type::EditBox,         "王小明",       {48,  18,  144, 24},  kNoContainer, 0,   0,  HintText},
  {MethodGroup,     Type::GroupBox,        "提醒方式",     {11,  55,  280, 48}},
  {Solar,           Type::RadioBox,        "公历",         {44,  19,  112, 20},  MethodGroup, 0,   1},
  {Lunar,           Type::RadioBox,        "农历",         {172, 19,  89,  20},  MethodGroup, 0,   2, InitiallyChecked},
  {DateLabel,       Type::Label,           "生日：",       {16,  122, 40,  16}},
  {Date,            Type::DatePicker,      "",             {56,  121, 184, 24},  kNoContainer, 0,   3, Hidden},
  {LunarDate,       Type::EditBox,         "",             {56,  121, 184, 24},  kNoContainer, 0,   3, ReadOnly},
  {CalendarButton,  Type::Button,          "…",            {244, 123, 30,  20},  kNoContainer, 0,   4},
  {LeapMonth,       Type::CheckBox,        "闰月",         {282, 122, 64,  20},  kNoContainer, 0,   kNoTabOrder, Hidden},
  {ContactLabel,    Type::Label,           "联系方式：",   {16,  166, 72,  16}},
  {Contact,         Type::EditBox,         "13800138000",  {82,  162, 198, 24},  kNoContainer, 0,   5,  HintText},
  {Save,            Type::Button,          "确定",         {160, 232, 96,  28},  kNoContainer, 0,   6,  DefaultButton},
  {Cancel,          Type::Button,          "取消",         {272, 232, 96,  28},  kNoContainer, 0,   7,  CancelButton},
  {Calendar,        Type::CnMonthCalendar, "",             {56,  146, 365, 262}, kNoContainer, 0,   8, Hidden},
};
// clang-format on

// The window ends below its buttons; while the calendar is open it grows to hold it.
constexpr int kWindowHeight = 300;
constexpr int kHeightWithCalendar = 440;

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
  form_.Get<MonthCalendar>(Calendar).SetStoredData(CalendarDesign());
  BindEvents();
}

void BirthdayWindow::BindEvents() {
  form_.onCreated = [this] { guard_([this] { logic_.OnCreated(); }); };
  form_.onLeftButtonDown = [this] { logic_.OnWindowClick(); };
  for (int box : {Name, Contact}) {
    EditBox& edit = form_.Get<EditBox>(box);
    edit.onFocus = [&edit] { edit.SelectAll(); };
    edit.onLeftButtonUp = [&edit] { edit.SelectAll(); };
  }
  form_.Get<RadioBox>(Solar).onClick = [this] { logic_.OnSolarChosen(); };
  form_.Get<RadioBox>(Lunar).onClick = [this] { logic_.OnLunarChosen(); };
  form_.Get<Button>(CalendarButton).onClick = [this] { logic_.OnCalendarButton(); };
  form_.Get<MonthCalendar>(Calendar).onDatePicked = [this] { logic_.OnCalendarDatePicked(); };
  form_.Get<CheckBox>(LeapMonth).onClick = [this] { logic_.OnLeapClicked(); };
  form_.Get<Button>(Save).onClick = [this] {
    if (!logic_.RefusesEmptyName()) guard_([this] { logic_.OnOk(); });
  };
  form_.Get<Button>(Cancel).onClick = [this] { form_.Close(); };
  // Escape closes an open calendar before the window, and the keyboard goes back to the date.
  form_.onEscape = [this] {
    if (!CalendarShown()) return false;
    ShowCalendar(false);
    form_.Get<DatePicker>(Date).Focus();
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
  return form_.Get<EditBox>(Name).Text();
}
void BirthdayWindow::SetNameText(const std::string& text) {
  form_.Get<EditBox>(Name).SetText(text);
}
std::string BirthdayWindow::ContactText() const {
  return form_.Get<EditBox>(Contact).Text();
}
void BirthdayWindow::SetContactText(const std::string& text) {
  form_.Get<EditBox>(Contact).SetText(text);
}
bool BirthdayWindow::LunarChosen() const {
  return form_.Get<RadioBox>(Lunar).Checked();
}
void BirthdayWindow::ChooseLunar(bool lunar) {
  form_.Get<RadioBox>(Lunar).SetChecked(lunar);
  form_.Get<RadioBox>(Solar).SetChecked(!lunar);
}
DateTime BirthdayWindow::SolarDate() const {
  return form_.Get<DatePicker>(Date).Value();
}
void BirthdayWindow::ShowSolarDate(DateTime date) {
  form_.Get<DatePicker>(Date).SetValue(date);
  ShowDateBox(Date);
}
void BirthdayWindow::ShowLunarDate(const std::string& text) {
  form_.Get<EditBox>(LunarDate).SetText(text);
  ShowDateBox(LunarDate);
}
void BirthdayWindow::ShowDateBox(int shown) {
  for (int box : {Date, LunarDate}) form_.ControlAt(box).SetVisible(box == shown);
}
void BirthdayWindow::ShowLeap(bool leap) {
  CheckBox& box = form_.Get<CheckBox>(LeapMonth);
  box.SetChecked(leap);
  box.SetVisible(leap);
}
void BirthdayWindow::SetCaption(const std::string& text) {
  form_.SetCaption(text);
}
void BirthdayWindow::FocusName() {
  form_.Get<EditBox>(Name).Focus();
}
void BirthdayWindow::Warn(const std::string& text) {
  MessageBoxW(form_.Handle(), Wide(text).c_str(), Wide(kMessageCaption).c_str(),
              MB_OK | MB_ICONEXCLAMATION);
}
void BirthdayWindow::Close() {
  form_.Close();
}
DayNumber BirthdayWindow::CalendarDay() const {
  const LunarMonthCalendar* model = form_.Get<MonthCalendar>(Calendar).Model();
  return model ? model->SelectedDay() : DayNumber();
}
memo::LunarDate BirthdayWindow::CalendarLunarDay() const {
  const LunarMonthCalendar* model = form_.Get<MonthCalendar>(Calendar).Model();
  return model ? model->SelectedLunarDay() : memo::LunarDate{};
}
void BirthdayWindow::SelectCalendarDay(DayNumber day) {
  form_.Get<MonthCalendar>(Calendar).SelectDay(day);
}
void BirthdayWindow::SetCalendarSolarMode(bool solar) {
  form_.Get<MonthCalendar>(Calendar).SetSolarMode(solar);
}
bool BirthdayWindow::CalendarShown() const {
  return form_.ControlAt(Calendar).WantsVisible();
}
void BirthdayWindow::ShowCalendar(bool shown) {
  form_.SetOuterHeight(shown ? kHeightWithCalendar : kWindowHeight);
  form_.ControlAt(Calendar).SetVisible(shown);
}

}  // namespace memo::ui
