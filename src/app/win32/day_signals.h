// The main window's messages that may mean another day: a timer of its own, a change of the
// system's clock or time zone, a resume from sleep or hibernation, and the session's lock
// and unlock, which the window asks the system for.
#pragma once

#include <windows.h>

namespace memo {

enum class DaySignal { kNone, kLook, kLock, kUnlock };

// Once the window exists, and before it goes.
void StartDaySignals(HWND window);
void StopDaySignals(HWND window);

DaySignal DaySignalOf(UINT message, WPARAM wParam);

}  // namespace memo
