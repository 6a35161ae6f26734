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
  // id             type             text                       left top  width height  container      page          tab order       flags
  {kTab,            Type::kTab,      "",                        {0,   0,   296, 256}},
  {kReminderGroup,  Type::kGroupBox, "提醒设置",                {16,  32,  272, 56},  kTab,           kReminderPage},
  {kDaysLabel,      Type::kLabel,    "生日前多少天开始提醒：",  {14,  23,  136, 20},  kReminderGroup, kReminderPage},
  {kDays,           Type::kEditBox,  "10",                      {145, 25,  53,  18},  kReminderGroup, kReminderPage, kNoTabOrder, kCentredText | kIntegerInput},
  {kDaysArrows,     Type::kUpDown,   "",                        {199, 25,  16,  18},  kReminderGroup, kReminderPage},
  {kTimeLabel,      Type::kLabel,    "提醒时间：",              {16,  98,  64,  16},  kTab,           kReminderPage, kNoTabOrder, kCompactFont},
  {kReminderTime,   Type::kEditBox,  "09:00",                   {80,  96,  48,  18},  kTab,           kReminderPage, kNoTabOrder, kCentredText},
  {kSoundBox,       Type::kCheckBox, "提醒时播放声音",          {144, 96,  136, 20},  kTab,           kReminderPage},
  {kTicksLabel,     Type::kLabel,    "提前提醒：",              {16,  126, 64,  16},  kTab,           kReminderPage, kNoTabOrder, kCompactFont},
  {kFirstTick,      Type::kCheckBox, "当天",                    {80,  124, 70,  20},  kTab,           kReminderPage},
  {kFirstTick + 1,  Type::kCheckBox, "提前1天",                 {150, 124, 70,  20},  kTab,           kReminderPage},
  {kFirstTick + 2,  Type::kCheckBox, "提前3天",                 {220, 124, 70,  20},  kTab,           kReminderPage},
  {kFirstTick + 3,  Type::kCheckBox, "提前7天",                 {80,  148, 70,  20},  kTab,           kReminderPage},
  {kFirstTick + 4,  Type::kCheckBox, "提前15天",                {150, 148, 70,  20},  kTab,           kReminderPage},
  {kLastTick,       Type::kCheckBox, "提前30天",                {220, 148, 70,  20},  kTab,           kReminderPage},
  {kLogOnBox,       Type::kCheckBox, "开机时自动启动",          {16,  182, 200, 20},  kTab,           kReminderPage},
  {kSaveDays,       Type::kButton,   "确定",                    {88,  216, 88,  24},  kTab,           kReminderPage, kNoTabOrder, kDefaultButton},
  {kCancelDays,     Type::kButton,   "取消",                    {192, 216, 88,  24},  kTab,           kReminderPage, kNoTabOrder, kCancelButton},
  {kTitleLabel,     Type::kLabel,    "软件标题设置：",          {13,  38,  80,  24},  kTab,           kPersonalPage, kNoTabOrder, kCompactFont},
  {kTitle,          Type::kEditBox,  "",                        {97,  40,  152, 20},  kTab,           kPersonalPage, kNoTabOrder, kCentredText},
  {kTrayBox,        Type::kCheckBox, "显示托盘图标",            {16,  72,  136, 24},  kTab,           kPersonalPage},
  {kPopUpBox,       Type::kCheckBox, "弹出生日信息",            {144, 72,  112, 24},  kTab,           kPersonalPage, kNoTabOrder, kDisabled},
  {kAgeLabel,       Type::kLabel,    "年龄显示：",              {16,  100, 64,  16},  kTab,           kPersonalPage, kNoTabOrder, kCompactFont},
  {kFullYears,      Type::kRadioBox, "周岁",                    {80,  98,  56,  18},  kTab,           kPersonalPage},
  {kNominal,        Type::kRadioBox, "虚岁",                    {136, 98,  56,  18},  kTab,           kPersonalPage},
  {kBothAges,       Type::kRadioBox, "两者",                    {192, 98,  56,  18},  kTab,           kPersonalPage},
  {kCloseGroup,     Type::kGroupBox, "关闭主窗口时",            {16,  124, 272, 40},  kTab,           kPersonalPage},
  {kCloseToTray,    Type::kRadioBox, "最小化到托盘，继续提醒",  {12,  16,  160, 18},  kCloseGroup,    kPersonalPage},
  {kCloseExits,     Type::kRadioBox, "退出",                    {184, 16,  72,  18},  kCloseGroup,    kPersonalPage},
  {kSavePersonal,   Type::kButton,   "确定",                    {96,  216, 88,  24},  kTab,           kPersonalPage, kNoTabOrder, kDefaultButton},
  {kCancelPersonal, Type::kButton,   "取消",                    {200, 216, 88,  24},  kTab,           kPersonalPage, kNoTabOrder, kCancelButton},
  {kAbout,          Type::kLabel,    kAboutText,                 {56,  64,  184, 48},  kTab,           kAboutPage},
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
                              280,
                              false,
                              kControls,
                              sizeof(kControls) / sizeof(kControls[0])};

}  // namespace

SettingsWindow::SettingsWindow(SettingsStore& settings, SettingsEffects& effects)
    : form_(kWindow), logic_(*this, settings, effects) {
  form_.Get<TabControl>(kTab).SetPages(kPages, sizeof(kPages) / sizeof(kPages[0]));
  form_.Get<UpDown>(kDaysArrows).SetRange(0, kDaysArrowMaximum);
  BindEvents();
}

void SettingsWindow::BindEvents() {
  form_.onCreated = [this] { logic_.Load(); };
  form_.Get<EditBox>(kDays).onTextChanged = [this] { logic_.CheckDays(); };
  form_.Get<UpDown>(kDaysArrows).onStep = [this](int step) { logic_.StepDays(step); };
  form_.Get<Button>(kSaveDays).onClick = [this] { logic_.SaveReminderPage(); };
  form_.Get<Button>(kCancelDays).onClick = [this] { form_.Close(); };
  form_.Get<CheckBox>(kTrayBox).onClick = [this] { logic_.TrayBoxClicked(); };
  form_.Get<Button>(kSavePersonal).onClick = [this] { logic_.SavePersonalisationPage(); };
  form_.Get<Button>(kCancelPersonal).onClick = [this] { form_.Close(); };
}

void SettingsWindow::OpenModal(HWND owner) {
  form_.OpenModal(owner);
}

void SettingsWindow::OpenAbout(HWND owner, SettingsStore& settings, SettingsEffects& effects) {
  auto* window = new SettingsWindow(settings, effects);
  // Deleted once the message that closed it has been handled.
  window->form_.onDestroyed = [window] { RunOnUiLater([window] { delete window; }); };
  window->form_.Open(owner);
  window->form_.Get<TabControl>(kTab).ShowPage(kAboutPage);
}

std::string SettingsWindow::DaysText() const {
  return form_.Get<EditBox>(kDays).Text();
}
void SettingsWindow::SetDaysText(const std::string& text) {
  form_.Get<EditBox>(kDays).SetText(text);
}
void SettingsWindow::SelectAllDays() {
  form_.Get<EditBox>(kDays).SelectAll();
}
void SettingsWindow::FocusDays() {
  form_.Get<EditBox>(kDays).Focus();
}
void SettingsWindow::ShowDaysBalloon(const std::string& text) {
  daysBalloon_.Show(form_.Get<EditBox>(kDays).Handle(), text);
}
bool SettingsWindow::TrayBoxChecked() const {
  return form_.Get<CheckBox>(kTrayBox).Checked();
}
void SettingsWindow::SetTrayBoxChecked(bool checked) {
  form_.Get<CheckBox>(kTrayBox).SetChecked(checked);
}
bool SettingsWindow::PopUpBoxChecked() const {
  return form_.Get<CheckBox>(kPopUpBox).Checked();
}
void SettingsWindow::SetPopUpBoxChecked(bool checked) {
  form_.Get<CheckBox>(kPopUpBox).SetChecked(checked);
}
void SettingsWindow::EnablePopUpBox(bool enabled) {
  form_.Get<CheckBox>(kPopUpBox).SetEnabled(enabled);
}
std::string SettingsWindow::ReminderTimeText() const {
  return form_.Get<EditBox>(kReminderTime).Text();
}
void SettingsWindow::SetReminderTimeText(const std::string& text) {
  form_.Get<EditBox>(kReminderTime).SetText(text);
}
int SettingsWindow::AlertTicks() const {
  int ticks = 0;
  for (int id = kFirstTick; id <= kLastTick; ++id) {
    if (form_.Get<CheckBox>(id).Checked()) ticks |= 1 << (id - kFirstTick);
  }
  return ticks;
}
void SettingsWindow::SetAlertTicks(int ticks) {
  for (int id = kFirstTick; id <= kLastTick; ++id) {
    form_.Get<CheckBox>(id).SetChecked((ticks & (1 << (id - kFirstTick))) != 0);
  }
}
bool SettingsWindow::SoundBoxChecked() const {
  return form_.Get<CheckBox>(kSoundBox).Checked();
}
void SettingsWindow::SetSoundBoxChecked(bool checked) {
  form_.Get<CheckBox>(kSoundBox).SetChecked(checked);
}
bool SettingsWindow::LogOnBoxChecked() const {
  return form_.Get<CheckBox>(kLogOnBox).Checked();
}
void SettingsWindow::SetLogOnBoxChecked(bool checked) {
  form_.Get<CheckBox>(kLogOnBox).SetChecked(checked);
}
std::string SettingsWindow::TitleText() const {
  return form_.Get<EditBox>(kTitle).Text();
}
void SettingsWindow::SetTitleText(const std::string& text) {
  form_.Get<EditBox>(kTitle).SetText(text);
}
AgeForm SettingsWindow::ChosenAgeForm() const {
  if (form_.Get<RadioBox>(kNominal).Checked()) return AgeForm::kNominal;
  return form_.Get<RadioBox>(kBothAges).Checked() ? AgeForm::kBoth : AgeForm::kFullYears;
}
void SettingsWindow::ChooseAgeForm(AgeForm form) {
  form_.Get<RadioBox>(kFullYears).SetChecked(form == AgeForm::kFullYears);
  form_.Get<RadioBox>(kNominal).SetChecked(form == AgeForm::kNominal);
  form_.Get<RadioBox>(kBothAges).SetChecked(form == AgeForm::kBoth);
}
CloseChoice SettingsWindow::ChosenCloseChoice() const {
  if (form_.Get<RadioBox>(kCloseToTray).Checked()) return CloseChoice::kTray;
  return form_.Get<RadioBox>(kCloseExits).Checked() ? CloseChoice::kExit : CloseChoice::kAsk;
}
void SettingsWindow::ChooseCloseChoice(CloseChoice choice) {
  form_.Get<RadioBox>(kCloseToTray).SetChecked(choice == CloseChoice::kTray);
  form_.Get<RadioBox>(kCloseExits).SetChecked(choice == CloseChoice::kExit);
}
void SettingsWindow::ShowError(const std::string& text) {
  MessageBoxW(form_.Handle(), Wide(text).c_str(), Wide("寿辰备忘录").c_str(), MB_OK | MB_ICONERROR);
}
void SettingsWindow::Close() {
  form_.Close();
}

}  // namespace memo::ui
