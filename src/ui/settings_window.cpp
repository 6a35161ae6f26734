#include "ui/settings_window.h"

#include "text/win32/wide_text.h"
#include "ui/tab_control.h"
#include "ui/ui_thread.h"
#include "ui/window_ids.h"

namespace memo::ui {
namespace {

using namespace settings_window;
using Type = ControlType;

constexpr int kReminderPage = 0, kPersonalPage = 1, kAboutPage = 2;

// PROGRAM_VERSION is the project's version, set by the build.
const char* const kAboutText = "寿辰备忘录\r\n版本 " PROGRAM_VERSION "\r\n提醒亲友的公历和农历生日";

// clang-format off
const ControlDesign kControls[] = {
  // id              type            text                       left top  width height  container      page          tab order       flags
  {Tab,              Type::Tab,      "",                        {0,   0,   296, 160}},
  {ReminderGroup,    Type::GroupBox, "提醒设置",                {16,  32,  272, 56},  Tab,           kReminderPage},
  {DaysLabel,        Type::Label,    "生日前多少天开始提醒：",  {14,  23,  136, 20},  ReminderGroup, kReminderPage},
  {Days,             Type::EditBox,  "10",                      {145, 25,  53,  18},  ReminderGroup, kReminderPage, kNoTabOrder, CentredText | IntegerInput},
  {DaysArrows,       Type::UpDown,   "",                        {199, 25,  16,  18},  ReminderGroup, kReminderPage},
  {LogOnBox,         Type::CheckBox, "开机时自动启动",          {16,  94,  200, 20},  Tab,           kReminderPage},
  {SaveDays,         Type::Button,   "确定",                    {88,  120, 88,  24},  Tab,           kReminderPage, kNoTabOrder, DefaultButton},
  {CancelDays,       Type::Button,   "取消",                    {192, 120, 88,  24},  Tab,           kReminderPage, kNoTabOrder, CancelButton},
  {TitleLabel,       Type::Label,    "软件标题设置：",          {13,  38,  80,  24},  Tab,           kPersonalPage, kNoTabOrder, CompactFont},
  {Title,            Type::EditBox,  "",                        {97,  40,  152, 20},  Tab,           kPersonalPage, kNoTabOrder, CentredText},
  {TrayBox,          Type::CheckBox, "显示托盘图标",            {16,  72,  136, 24},  Tab,           kPersonalPage},
  {PopUpBox,         Type::CheckBox, "弹出生日信息",            {144, 72,  112, 24},  Tab,           kPersonalPage, kNoTabOrder, Disabled},
  {AgeLabel,         Type::Label,    "年龄显示：",              {16,  100, 64,  16},  Tab,           kPersonalPage, kNoTabOrder, CompactFont},
  {FullYears,        Type::RadioBox, "周岁",                    {80,  98,  56,  18},  Tab,           kPersonalPage},
  {Nominal,          Type::RadioBox, "虚岁",                    {136, 98,  56,  18},  Tab,           kPersonalPage},
  {BothAges,         Type::RadioBox, "两者",                    {192, 98,  56,  18},  Tab,           kPersonalPage},
  {SavePersonal,     Type::Button,   "确定",                    {96,  120, 88,  24},  Tab,           kPersonalPage, kNoTabOrder, DefaultButton},
  {CancelPersonal,   Type::Button,   "取消",                    {200, 120, 88,  24},  Tab,           kPersonalPage, kNoTabOrder, CancelButton},
  {About,            Type::Label,    kAboutText,                 {56,  64,  184, 48},  Tab,           kAboutPage},
};

const PageDesign kPages[] = {
  {"提醒设置",   nullptr, -1},
  {"个性化设置", nullptr, -1},
  {"关于",       nullptr, -1},
};
// clang-format on

const WindowDesign kWindow = {kSettingsWindowClass,
                              "设置",
                              300,
                              184,
                              false,
                              kControls,
                              sizeof(kControls) / sizeof(kControls[0])};

}  // namespace

SettingsWindow::SettingsWindow(SettingsStore& settings, SettingsEffects& effects)
    : form_(kWindow), logic_(*this, settings, effects) {
  form_.Get<TabControl>(Tab).SetPages(kPages, sizeof(kPages) / sizeof(kPages[0]));
  form_.Get<UpDown>(DaysArrows).SetRange(0, kDaysArrowMaximum);
  BindEvents();
}

void SettingsWindow::BindEvents() {
  form_.onCreated = [this] { logic_.Load(); };
  form_.Get<EditBox>(Days).onTextChanged = [this] { logic_.CheckDays(); };
  form_.Get<UpDown>(DaysArrows).onStep = [this](int step) { logic_.StepDays(step); };
  form_.Get<Button>(SaveDays).onClick = [this] { logic_.SaveReminderPage(); };
  form_.Get<Button>(CancelDays).onClick = [this] { form_.Close(); };
  form_.Get<CheckBox>(TrayBox).onClick = [this] { logic_.TrayBoxClicked(); };
  form_.Get<Button>(SavePersonal).onClick = [this] { logic_.SavePersonalisationPage(); };
  form_.Get<Button>(CancelPersonal).onClick = [this] { form_.Close(); };
}

void SettingsWindow::OpenModal(HWND owner) {
  form_.OpenModal(owner);
}

void SettingsWindow::OpenAbout(HWND owner, SettingsStore& settings, SettingsEffects& effects) {
  auto* window = new SettingsWindow(settings, effects);
  // Deleted once the message that closed it has been handled.
  window->form_.onDestroyed = [window] { RunOnUiLater([window] { delete window; }); };
  window->form_.Open(owner);
  window->form_.Get<TabControl>(Tab).ShowPage(kAboutPage);
}

std::string SettingsWindow::DaysText() const {
  return form_.Get<EditBox>(Days).Text();
}
void SettingsWindow::SetDaysText(const std::string& text) {
  form_.Get<EditBox>(Days).SetText(text);
}
void SettingsWindow::SelectAllDays() {
  form_.Get<EditBox>(Days).SelectAll();
}
void SettingsWindow::FocusDays() {
  form_.Get<EditBox>(Days).Focus();
}
void SettingsWindow::ShowDaysBalloon(const std::string& text) {
  daysBalloon_.Show(form_.Get<EditBox>(Days).Handle(), text);
}
bool SettingsWindow::TrayBoxChecked() const {
  return form_.Get<CheckBox>(TrayBox).Checked();
}
void SettingsWindow::SetTrayBoxChecked(bool checked) {
  form_.Get<CheckBox>(TrayBox).SetChecked(checked);
}
bool SettingsWindow::PopUpBoxChecked() const {
  return form_.Get<CheckBox>(PopUpBox).Checked();
}
void SettingsWindow::SetPopUpBoxChecked(bool checked) {
  form_.Get<CheckBox>(PopUpBox).SetChecked(checked);
}
void SettingsWindow::EnablePopUpBox(bool enabled) {
  form_.Get<CheckBox>(PopUpBox).SetEnabled(enabled);
}
bool SettingsWindow::LogOnBoxChecked() const {
  return form_.Get<CheckBox>(LogOnBox).Checked();
}
void SettingsWindow::SetLogOnBoxChecked(bool checked) {
  form_.Get<CheckBox>(LogOnBox).SetChecked(checked);
}
std::string SettingsWindow::TitleText() const {
  return form_.Get<EditBox>(Title).Text();
}
void SettingsWindow::SetTitleText(const std::string& text) {
  form_.Get<EditBox>(Title).SetText(text);
}
AgeForm SettingsWindow::ChosenAgeForm() const {
  if (form_.Get<RadioBox>(Nominal).Checked()) return AgeForm::kNominal;
  return form_.Get<RadioBox>(BothAges).Checked() ? AgeForm::kBoth : AgeForm::kFullYears;
}
void SettingsWindow::ChooseAgeForm(AgeForm form) {
  form_.Get<RadioBox>(FullYears).SetChecked(form == AgeForm::kFullYears);
  form_.Get<RadioBox>(Nominal).SetChecked(form == AgeForm::kNominal);
  form_.Get<RadioBox>(BothAges).SetChecked(form == AgeForm::kBoth);
}
void SettingsWindow::ShowError(const std::string& text) {
  MessageBoxW(form_.Handle(), Wide(text).c_str(), Wide("寿辰备忘录").c_str(), MB_OK | MB_ICONERROR);
}
void SettingsWindow::Close() {
  form_.Close();
}

}  // namespace memo::ui
