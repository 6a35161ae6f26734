// What the main window's close box does: hide the window to the tray, where the program goes
// on reminding, or end the program; asked the first time until the user says 不再询问.
#pragma once

#include "settings/settings_names.h"
#include "settings/settings_store.h"

namespace memo {

// The stored choice; kAsk while the question is still to be asked. With the tray icon off
// nothing would be left to show the window again, so the close box ends the program.
CloseChoice CloseBoxChoice(SettingsStore& settings);

// The question's answer: kept when the user said 不再询问, else asked again next time.
void KeepCloseAnswer(SettingsStore& settings, CloseChoice answer, bool askAgain);

}  // namespace memo
