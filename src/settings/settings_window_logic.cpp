#include "settings/settings_window_logic.h"

#include <cstdint>
#include <limits>

#include "datetime/date_time.h"
#include "settings/settings_names.h"

namespace memo {
namespace {

constexpr double DaysTolerance = 0.0000001;
constexpr double HighestDays = 360;

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

int32_t ToStoredWholeNumber(double value) {
  if (!(value > std::numeric_limits<int32_t>::min())) return std::numeric_limits<int32_t>::min();
  if (!(value < std::numeric_limits<int32_t>::max())) return std::numeric_limits<int32_t>::max();
  return static_cast<int32_t>(TruncateToInteger(value));
}

}  // namespace

int SteppedDays(const std::string& text, int step) {
  int64_t stepped = LeadingWholeNumber(text) + step;
  if (stepped < 0 || stepped > DaysArrowMaximum) return step < 0 ? DaysArrowMaximum : 0;
  return static_cast<int>(stepped);
}

void SettingsWindowLogic::Load() {
  form_.SetDaysText(NumberToText(settings_.ReadNumber(DaysSetting)));
  if (form_.DaysText() == "0") form_.SetDaysText(NumberToText(DefaultDaysAhead));
  form_.SelectAllDays();
  form_.SetLogOnBoxChecked(effects_.StartsAtLogOn());

  bool trayShown = settings_.ReadNumber(TraySetting) == 0;
  form_.SetTrayBoxChecked(trayShown);
  if (trayShown) form_.EnablePopUpBox(true);

  form_.SetPopUpBoxChecked(settings_.ReadNumber(PopUpSetting) == 0);

  form_.SetTitleText(settings_.ReadText(TitleSetting));
  if (form_.TitleText().empty()) form_.SetTitleText(DefaultTitle);
}

void SettingsWindowLogic::CheckDays() {
  double days = TextToNumber(form_.DaysText());
  if (days < -DaysTolerance || days > HighestDays + DaysTolerance) {
    form_.SetDaysText(NumberToText(DefaultDaysAhead));
    form_.SelectAllDays();
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
  const int before = settings_.ReadNumber(DaysSetting);
  const int days = ToStoredWholeNumber(TextToNumber(form_.DaysText()));
  settings_.WriteNumber(DaysSetting, days);
  effects_.SetStartAtLogOn(form_.LogOnBoxChecked());
  if (DaysAheadOf(days) != DaysAheadOf(before)) effects_.DaysAheadChanged();
  form_.Close();
}

void SettingsWindowLogic::SavePersonalisationPage() {
  std::string title = form_.TitleText();
  settings_.WriteText(TitleSetting, title);
  if (form_.TrayBoxChecked()) {
    settings_.WriteNumber(TraySetting, 0);
    effects_.ShowTrayIcon();
  } else {
    settings_.WriteNumber(TraySetting, 1);
    effects_.RemoveTrayIcon();
  }
  settings_.WriteNumber(PopUpSetting, form_.PopUpBoxChecked() ? 0 : 1);
  effects_.SetMainCaption(title);
  form_.Close();
}

}  // namespace memo
