#include "app/win32/day_signals.h"

#include <wtsapi32.h>

#include <ctime>

namespace memo {
namespace {

// Midnight is seen within a minute; nothing looks more often.
constexpr UINT kDayTimerMs = 60 * 1000;
// A timer of the main window: any number that none of its other timers takes (the tray
// balloon's is 741852).
constexpr UINT_PTR kDayTimerId = 741853;

}  // namespace

void StartDaySignals(HWND window) {
  SetTimer(window, kDayTimerId, kDayTimerMs, nullptr);
  WTSRegisterSessionNotification(window, NOTIFY_FOR_THIS_SESSION);
}

void StopDaySignals(HWND window) {
  WTSUnRegisterSessionNotification(window);
  KillTimer(window, kDayTimerId);
}

void RereadTimeZone() {
  _tzset();
}

DaySignal DaySignalOf(UINT message, WPARAM wParam) {
  switch (message) {
    case WM_TIMER:
      return wParam == kDayTimerId ? DaySignal::kLook : DaySignal::kNone;
    case WM_TIMECHANGE:
      return DaySignal::kClockChange;
    case WM_POWERBROADCAST:
      return wParam == PBT_APMRESUMEAUTOMATIC || wParam == PBT_APMRESUMESUSPEND ? DaySignal::kLook
                                                                                : DaySignal::kNone;
    case WM_WTSSESSION_CHANGE:
      if (wParam == WTS_SESSION_LOCK) return DaySignal::kLock;
      return wParam == WTS_SESSION_UNLOCK ? DaySignal::kUnlock : DaySignal::kNone;
    default:
      return DaySignal::kNone;
  }
}

}  // namespace memo
