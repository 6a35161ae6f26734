// Starting with Windows: the value "寿辰备忘录" under the current user's Run key holds this
// copy's quoted full path and the switch that tells the program it was started at log-on.
#pragma once

namespace memo {

constexpr wchar_t kLogOnSwitch[] = L"/autostart";

// The value exists, whichever copy it starts.
bool StartsAtLogOn();
// Writes the value for this copy, or deletes it; false when the system refused, and the value
// stays as it was.
bool SetStartAtLogOn(bool on);
// The process's command line holds the switch, in any case of letters.
bool StartedAtLogOn();

}  // namespace memo
