// What the settings window does with its controls and the stored settings: loading them,
// checking the days value while it is typed, stepping it with the arrows, and saving each
// page. A days value it cannot take is never dropped silently: a balloon on the box says why. The
// window itself only wires its controls to these operations.
#pragma once

#include <string>

#include "settings/settings_names.h"
#include "settings/settings_store.h"

namespace memo {

// The settings window's controls as the operations see them. All texts are GBK.
class SettingsForm {
 public:
  virtual ~SettingsForm() = default;
  virtual std::string DaysText() const = 0;
  // Setting the text is a change like typing: the window runs the days check again.
  virtual void SetDaysText(const std::string& text) = 0;
  virtual void SelectAllDays() = 0;
  virtual void FocusDays() = 0;
  // A balloon tip on the days box that says what it takes.
  virtual void ShowDaysBalloon(const std::string& text) = 0;
  virtual bool TrayBoxChecked() const = 0;
  virtual void SetTrayBoxChecked(bool checked) = 0;
  virtual bool PopUpBoxChecked() const = 0;
  virtual void SetPopUpBoxChecked(bool checked) = 0;
  virtual void EnablePopUpBox(bool enabled) = 0;
  // 提醒时间 as typed ("09:00"), 提前提醒 as AlertTick bits, 提醒时播放声音.
  virtual std::string ReminderTimeText() const = 0;
  virtual void SetReminderTimeText(const std::string& text) = 0;
  virtual int AlertTicks() const = 0;
  virtual void SetAlertTicks(int ticks) = 0;
  virtual bool SoundBoxChecked() const = 0;
  virtual void SetSoundBoxChecked(bool checked) = 0;
  virtual bool LogOnBoxChecked() const = 0;
  virtual void SetLogOnBoxChecked(bool checked) = 0;
  virtual std::string TitleText() const = 0;
  virtual void SetTitleText(const std::string& text) = 0;
  // 年龄显示: the one of ○周岁 ○虚岁 ○两者 checked.
  virtual AgeForm ChosenAgeForm() const = 0;
  virtual void ChooseAgeForm(AgeForm form) = 0;
  // 关闭主窗口时: ○最小化到托盘 ○退出; neither checked (kAsk) while the question is still asked.
  virtual CloseChoice ChosenCloseChoice() const = 0;
  virtual void ChooseCloseChoice(CloseChoice choice) = 0;
  // A message box over the window that says what went wrong.
  virtual void ShowError(const std::string& text) = 0;
  virtual void Close() = 0;
};

// What saving changes outside the settings window.
class SettingsEffects {
 public:
  virtual ~SettingsEffects() = default;
  // The main window's caption.
  virtual void SetCaption(const std::string& text) = 0;
  // Shows the tray icon with its default tip, or sets its image and tip again when shown.
  virtual void ShowTrayIcon() = 0;
  virtual void RemoveTrayIcon() = 0;
  // The days ahead changed: the upcoming list, the page, the tip and the report view count
  // them again.
  virtual void DaysAheadChanged() = 0;
  // The age form changed: the friend list and the upcoming texts show ages again.
  virtual void AgeFormChanged() = 0;
  // 提醒时间 or 提前提醒 changed: the reminders look again and wake at the new time.
  virtual void RemindersChanged() = 0;
  // Whether this copy starts when the user logs on: kept by the system, outside the
  // settings key, and changed by other tools too, so it is asked at each opening.
  virtual bool StartsAtLogOn() = 0;
  // False when the system refused the change.
  virtual bool SetStartAtLogOn(bool on) = 0;
};

// The days box's arrows step within 0..355 and wrap: the leading whole number of the text
// plus the step; out of range, the down arrow gives 355 and the up arrow 0.
constexpr int kDaysArrowMaximum = 355;
int SteppedDays(const std::string& text, int step);

inline constexpr char kDaysRangeTip[] = "提醒天数可以是0到360天";
inline constexpr char kLogOnRefusedText[] = "无法更改开机时自动启动";
inline constexpr char kReminderTimeText[] = "提醒时间请按“时:分”填写，例如09:00";

class SettingsWindowLogic {
 public:
  SettingsWindowLogic(SettingsForm& form, SettingsStore& settings, SettingsEffects& effects)
      : form_(form), settings_(settings), effects_(effects) {}

  void Load();
  // Past the allowed days the box shows the nearest allowed value, with the balloon.
  void CheckDays();
  void TrayBoxClicked();
  // step +1 for the up arrow, -1 for the down arrow.
  void StepDays(int step);
  // A days text that is no number is not saved: the balloon shows and the window stays; nor
  // is a 提醒时间 that is no time of day, which is told. A refused change of 开机时自动启动 is
  // told, and the window stays with the box as it is.
  void SaveReminderPage();
  void SavePersonalisationPage();

 private:
  SettingsForm& form_;
  SettingsStore& settings_;
  SettingsEffects& effects_;
};

}  // namespace memo
