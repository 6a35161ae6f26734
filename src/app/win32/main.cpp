// Process entry of the Windows program.
#include <windows.h>

#include <commctrl.h>
#include <objbase.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "app/win32/application.h"
#include "app/win32/log_on_start.h"
#include "app/win32/single_instance.h"
#include "datetime/clock.h"
#include "datetime/local_minute.h"
#include "text/win32/wide_text.h"
#include "ui/ui_thread.h"

namespace {

std::string EnvironmentText(const wchar_t* name) {
  DWORD size = GetEnvironmentVariableW(name, nullptr, 0);
  if (size == 0) return std::string();
  std::vector<wchar_t> value(size);
  GetEnvironmentVariableW(name, value.data(), size);
  return memo::Gb18030(value.data());
}

// Test hooks, read once here.
void ApplyTestHooks(memo::Application& application) {
  // BIRTHDAY_MEMO_TODAY=YYYY-MM-DD fixes today's date; BIRTHDAY_MEMO_DAY_SECONDS=N moves it
  // on by a day every N seconds.
  const memo::DayNumber today = memo::ParseIsoDate(EnvironmentText(L"BIRTHDAY_MEMO_TODAY"));
  const int secondsPerDay = std::atoi(EnvironmentText(L"BIRTHDAY_MEMO_DAY_SECONDS").c_str());
  if (today.ok()) memo::FixClock(memo::DateTimeOf(today), secondsPerDay);
  // BIRTHDAY_MEMO_NOW=YYYY-MM-DDTHH:MM:SS starts the clock at that moment and lets it run, a day
  // every BIRTHDAY_MEMO_DAY_SECONDS seconds when that is set.
  const auto now = memo::ReadLocalMoment(EnvironmentText(L"BIRTHDAY_MEMO_NOW"));
  if (now) memo::RunClockFrom(*now, secondsPerDay);
  // BIRTHDAY_MEMO_BALLOON=TITLE|TEXT shows that balloon once the tray icon is up.
  std::string balloon = EnvironmentText(L"BIRTHDAY_MEMO_BALLOON");
  size_t bar = balloon.find('|');
  if (bar != std::string::npos) {
    application.SetStartBalloon(balloon.substr(0, bar), balloon.substr(bar + 1));
  }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  const bool startedAtLogOn = memo::StartedAtLogOn();
  memo::SingleInstance instance;
  if (!instance.First()) {
    // At log-on the running copy is where it should be: in the tray.
    if (!startedAtLogOn) memo::WakeRunningCopy();
    return 0;
  }
  memo::ui::BecomeUiThread();
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  INITCOMMONCONTROLSEX controls = {
      sizeof(controls), ICC_WIN95_CLASSES | ICC_DATE_CLASSES | ICC_TAB_CLASSES | ICC_BAR_CLASSES};
  InitCommonControlsEx(&controls);
  memo::Application application;
  ApplyTestHooks(application);
  return application.Run(startedAtLogOn);
}
