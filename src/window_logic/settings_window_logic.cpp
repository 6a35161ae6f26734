#include "window_logic/settings_window_logic.h"

#include <cstdint>
#include <limits>
#include <optional>

#include "datetime/date_time.h"
#include "datetime/local_minute.h"
#include "settings/settings_names.h"
#include "text/text_operations.h"
#include "window_logic/reminder_rules.h"

namespace memo {
namespace {

constexpr double kDaysTolerance = 0.0000001;
constexpr double kHighestDays = 360;

// The whole number a text begins with (an optional sign and digits), 0 when there is none;
// saturated far outside the arrows' range so that long digit runs cannot overflow.
int64_t LeadingWholeNumber(const std::string& text) {
  size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  int64_t value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    if (value < 1000000000) value = value * 10 + (text[i] - '0');
  }
  return negative ? -value : value;
}

// [sign] digits [. digits], full-width digits too, with nothing around it.
bool IsNumberText(const std::string& text) {
  const std::string folded = FoldFullWidth(text);
  size_t i = folded.size() > 0 && (folded[0] == '+' || folded[0] == '-') ? 1 : 0;
  bool digits = false, point = false;
  for (; i < folded.size(); ++i) {
    if (folded[i] >= '0' && folded[i] <= '9') {
      digits = true;
    } else if (folded[i] == '.' && !point) {
      point = true;
    } else {
      return false;
    }
  }
  return digits;
}

int32_t ToStoredWholeNumber(double value) {
  if (!(value > std::numeric_limits<int32_t>::min())) return std::numeric_limits<int32_t>::min();
  if (!(value < std::numeric_limits<int32_t>::max())) return std::numeric_limits<int32_t>::max();
  return static_cast<int32_t>(TruncateToInteger(value));
}

}  // namespace

int SteppedDays(const std::string& text, int step) {
  int64_t stepped = LeadingWholeNumber(text) + step;
  if (stepped < 0 || stepped > kDaysArrowMaximum) return step < 0 ? kDaysArrowMaximum : 0;
  return static_cast<int>(stepped);
}

void SettingsWindowLogic::Load() {
  form_.SetDaysText(NumberToText(settings_.ReadNumber(kDaysSetting)));
  if (form_.DaysText() == "0") form_.SetDaysText(NumberToText(kDefaultDaysAhead));
  form_.SelectAllDays();
  form_.SetLogOnBoxChecked(effects_.StartsAtLogOn());
  const ReminderSettings reminders = ReadReminderSettings(settings_);
  form_.SetReminderTimeText(TimeOfDayText(reminders.minuteOfDay));
  form_.SetAlertTicks(reminders.ticks);
  form_.SetSoundBoxChecked(settings_.ReadNumber(kReminderSoundSetting) == 1);

  bool trayShown = settings_.ReadNumber(kTraySetting) == 0;
  form_.SetTrayBoxChecked(trayShown);
  if (trayShown) form_.EnablePopUpBox(true);

  form_.SetPopUpBoxChecked(settings_.ReadNumber(kPopUpSetting) == 0);

  form_.SetTitleText(settings_.ReadText(kTitleSetting));
  if (form_.TitleText().empty()) form_.SetTitleText(kDefaultTitle);

  form_.ChooseAgeForm(AgeFormOf(settings_.ReadNumber(kAgeSetting)));
  form_.ChooseCloseChoice(CloseChoiceOf(settings_.ReadNumber(kCloseSetting)));
}

void SettingsWindowLogic::CheckDays() {
  double days = TextToNumber(form_.DaysText());
  const bool tooFew = days < -kDaysTolerance;
  if (tooFew || days > kHighestDays + kDaysTolerance) {
    form_.SetDaysText(NumberToText(tooFew ? 0 : static_cast<int>(kHighestDays)));
    form_.SelectAllDays();
    form_.ShowDaysBalloon(kDaysRangeTip);
  }
}

void SettingsWindowLogic::TrayBoxClicked() {
  form_.EnablePopUpBox(form_.TrayBoxChecked());
}

void SettingsWindowLogic::StepDays(int step) {
  form_.SetDaysText(NumberToText(SteppedDays(form_.DaysText(), step)));
  form_.SelectAllDays();
  form_.FocusDays();
}

void SettingsWindowLogic::SaveReminderPage() {
  if (!IsNumberText(form_.DaysText())) {
    form_.SelectAllDays();
    form_.FocusDays();
    form_.ShowDaysBalloon(kDaysRangeTip);
    return;
  }
  const std::optional<int> minute = ReadTimeOfDay(form_.ReminderTimeText());
  if (!minute) {
    form_.ShowError(kReminderTimeText);
    return;
  }
  const int before = settings_.ReadNumber(kDaysSetting);
  const int days = ToStoredWholeNumber(TextToNumber(form_.DaysText()));
  settings_.WriteNumber(kDaysSetting, days);
  const ReminderSettings remindersBefore = ReadReminderSettings(settings_);
  settings_.WriteNumber(kReminderTimeSetting, *minute);
  settings_.WriteNumber(kAlertTicksSetting, form_.AlertTicks());
  settings_.WriteNumber(kReminderSoundSetting, form_.SoundBoxChecked() ? 1 : 0);
  if (remindersBefore.minuteOfDay != *minute || remindersBefore.ticks != form_.AlertTicks()) {
    effects_.RemindersChanged();
  }
  const bool logOnChanged = effects_.SetStartAtLogOn(form_.LogOnBoxChecked());
  if (DaysAheadOf(days) != DaysAheadOf(before)) effects_.DaysAheadChanged();
  if (!logOnChanged) {
    form_.SetLogOnBoxChecked(effects_.StartsAtLogOn());
    form_.ShowError(kLogOnRefusedText);
    return;
  }
  form_.Close();
}

void SettingsWindowLogic::SavePersonalisationPage() {
  std::string title = form_.TitleText();
  settings_.WriteText(kTitleSetting, title);
  if (form_.TrayBoxChecked()) {
    settings_.WriteNumber(kTraySetting, 0);
    effects_.ShowTrayIcon();
  } else {
    settings_.WriteNumber(kTraySetting, 1);
    effects_.RemoveTrayIcon();
  }
  settings_.WriteNumber(kPopUpSetting, form_.PopUpBoxChecked() ? 0 : 1);
  const AgeForm ageForm = form_.ChosenAgeForm();
  const AgeForm before = AgeFormOf(settings_.ReadNumber(kAgeSetting));
  settings_.WriteNumber(kAgeSetting, static_cast<int>(ageForm));
  if (ageForm != before) effects_.AgeFormChanged();
  const CloseChoice close = form_.ChosenCloseChoice();
  if (close != CloseChoice::kAsk) settings_.WriteNumber(kCloseSetting, static_cast<int>(close));
  effects_.SetCaption(title);
  form_.Close();
}

}  // namespace memo
