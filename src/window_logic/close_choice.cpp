#include "window_logic/close_choice.h"

namespace memo {

CloseChoice CloseBoxChoice(SettingsStore& settings) {
  if (settings.ReadNumber(kTraySetting) != 0) return CloseChoice::kExit;
  return CloseChoiceOf(settings.ReadNumber(kCloseSetting));
}

void KeepCloseAnswer(SettingsStore& settings, CloseChoice answer, bool askAgain) {
  if (!askAgain) settings.WriteNumber(kCloseSetting, static_cast<int>(answer));
}

}  // namespace memo
