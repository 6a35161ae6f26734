// The main window's messages that may mean another day: a timer of its own, a change of the
// system's clock or time zone, a resume from sleep or hibernation, and the session's lock
// and unlock, which the window asks the system for.
#pragma once

#include <windows.h>

namespace memo {

enum class DaySignal {
  kNone,
  kLook,
  kClockChange,  // a look too, once the C library has read the time zone again
  kLock,
  kUnlock,
};

// The C library reads the system's time zone once and keeps it: after a change of the zone
// local times would be off by the difference until it is read again.
void RereadTimeZone();

// Once the window exists, and before it goes.
void StartDaySignals(HWND window);
void StopDaySignals(HWND window);

DaySignal DaySignalOf(UINT message, WPARAM wParam);

}  // namespace memo
