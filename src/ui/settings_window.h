// The settings window: the reminder page with the days box and the log-on box, the
// personalisation page with the title and the two check boxes, and the About page. It is
// made anew at each opening.
#pragma once

#include "settings/settings_store.h"
#include "ui/balloon_tip.h"
#include "ui/form.h"
#include "window_logic/settings_window_logic.h"

namespace memo::ui {

class SettingsWindow : private SettingsForm {
 public:
  SettingsWindow(SettingsStore& settings, SettingsEffects& effects);

  // Modal, owned by the main window, on the first page.
  void OpenModal(HWND owner);
  // Without modality on the About page; the window deletes itself once it is closed.
  static void OpenAbout(HWND owner, SettingsStore& settings, SettingsEffects& effects);

 private:
  void BindEvents();

  // SettingsForm
  std::string DaysText() const override;
  void SetDaysText(const std::string& text) override;
  void SelectAllDays() override;
  void FocusDays() override;
  void ShowDaysBalloon(const std::string& text) override;
  bool TrayBoxChecked() const override;
  void SetTrayBoxChecked(bool checked) override;
  bool PopUpBoxChecked() const override;
  void SetPopUpBoxChecked(bool checked) override;
  void EnablePopUpBox(bool enabled) override;
  std::string ReminderTimeText() const override;
  void SetReminderTimeText(const std::string& text) override;
  int AlertTicks() const override;
  void SetAlertTicks(int ticks) override;
  bool SoundBoxChecked() const override;
  void SetSoundBoxChecked(bool checked) override;
  bool LogOnBoxChecked() const override;
  void SetLogOnBoxChecked(bool checked) override;
  std::string TitleText() const override;
  void SetTitleText(const std::string& text) override;
  AgeForm ChosenAgeForm() const override;
  void ChooseAgeForm(AgeForm form) override;
  CloseChoice ChosenCloseChoice() const override;
  void ChooseCloseChoice(CloseChoice choice) override;
  void ShowError(const std::string& text) override;
  void Close() override;

  mutable Form form_;
  SettingsWindowLogic logic_;
  BalloonTip daysBalloon_;
};

}  // namespace memo::ui
