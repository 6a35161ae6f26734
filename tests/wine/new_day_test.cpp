// A new day while the program runs. The test hook moves the fixed date on a day every few
// seconds; the test sends the messages that tell the program the clock may have changed, as
// the system sends them at a change of the clock or the time zone, at a resume and at the
// session's lock and unlock; and waits for the program's own minute timer once.
//
// Checked by reading only, as Wine has neither sleep nor a lockable session: that Windows
// sends WM_POWERBROADCAST with PBT_APMRESUMEAUTOMATIC or PBT_APMRESUMESUSPEND after sleep and
// hibernation, and WM_WTSSESSION_CHANGE only to a window registered with
// WTSRegisterSessionNotification (src/app/win32/day_signals.cpp registers the main window).
#include <windows.h>

#include <gtest/gtest.h>
#include <wtsapi32.h>

#include <algorithm>

#include "program_under_test.h"
#include "program_windows.h"
#include "remote_controls.h"
#include "sample_friends.h"
#include "test_files.h"
#include "tray_area.h"
#include "ui/window_ids.h"
#include "window_basics.h"

using namespace wine_test;
namespace ids = memo::ui::main_window;

namespace {

// Wine shows a balloon about 2 s after it is asked for; the program takes it away after 5 s.
constexpr int kBalloonDelayMs = 3500;
constexpr int kBalloonGoneMs = 8000;
// The program reads the hook a moment after the test starts it.
constexpr DWORD kStartAllowanceMs = 3000;

std::wstring TodayPane(ProgramUnderTest& program, HWND main) {
  return StatusPartText(program.Process(), GetDlgItem(main, ids::kStatus), 2);
}

bool PaneShowsDate(ProgramUnderTest& program, HWND main, const char* solarDate) {
  return WaitUntil(
      [&] { return TodayPane(program, main).find(Wide(solarDate)) != std::wstring::npos; });
}

// The countdown the upcoming list shows for this friend; empty when the friend is not in it.
std::wstring Countdown(ProgramUnderTest& program, HWND main, const char* name) {
  for (const auto& row : ReadListRows(program.Process(), GetDlgItem(main, ids::kUpcomingList))) {
    if (row[0] == Wide(name)) return row[5];
  }
  return std::wstring();
}

bool BalloonComes() {
  return WaitUntil([] { return VisibleBalloon() != nullptr; }, kBalloonDelayMs);
}

bool BalloonGoes() {
  return WaitUntil([] { return VisibleBalloon() == nullptr; }, kBalloonGoneMs);
}

// The program's own timer looks for a new day once a minute.
constexpr int kDayTimerMs = 60 * 1000;

// In 100 ns steps.
uint64_t FileTimeCount(const FILETIME& time) {
  return static_cast<uint64_t>(time.dwHighDateTime) << 32 | time.dwLowDateTime;
}

// Whether the status bar shows a day other than `day` before the tick count reaches `until`:
// measured on the clock, where WaitUntil counts its pauses only.
bool DayChangesBefore(ProgramUnderTest& program, HWND main, const std::wstring& day,
                      ULONGLONG until) {
  for (; GetTickCount64() < until; Sleep(50)) {
    if (TodayPane(program, main) != day) return true;
  }
  return false;
}

void SleepUntil(DWORD start, DWORD elapsedMs) {
  const DWORD now = GetTickCount() - start;
  if (now < elapsedMs) Sleep(elapsedMs - now);
}

}  // namespace

TEST(NewDay, AfterOneSimulatedDayTomorrowsBirthdayIsTodaysWithItsPageTipAndOneBalloon) {
  ProgramUnderTest program;
  ASSERT_TRUE(AddFriends(program.Folder(), kSampleFriends));
  const std::string nextDayPage = CliReportPage(program.Folder(), "2012-04-16");
  ASSERT_FALSE(nextDayPage.empty());
  StartOptions options;
  options.secondsPerDay = 20;
  const DWORD started = GetTickCount();
  HWND main = program.StartMainWith(9, options);
  ASSERT_NE(main, nullptr);
  ASSERT_TRUE(WaitUntil([&] { return Countdown(program, main, "王芳") == Wide("明天生日"); }));
  ASSERT_TRUE(BalloonComes());  // start-up's
  ASSERT_TRUE(BalloonGoes());

  // On the same day a change of the clock redoes nothing.
  PostMessageW(main, WM_TIMECHANGE, 0, 0);
  EXPECT_FALSE(BalloonComes());
  EXPECT_TRUE(PaneShowsDate(program, main, "2012年4月15日"));

  SleepUntil(started, 20000 + kStartAllowanceMs);
  PostMessageW(main, WM_TIMECHANGE, 0, 0);
  ASSERT_TRUE(BalloonComes());
  EXPECT_EQ(BalloonText(VisibleBalloon()).find(Wide("王芳：  今天生日")), 0u);
  SaveScreenshot("new-day-balloon");
  EXPECT_TRUE(PaneShowsDate(program, main, "公历2012年4月16日   农历2012年3月26日"));
  EXPECT_TRUE(Countdown(program, main, "王芳") == Wide("今天生日"));
  const std::wstring page = program.Folder() + L"\\" + Wide("最近生日.html");
  EXPECT_TRUE(FileBytes(page) == nextDayPage);
  EXPECT_NE(TrayTip().find(Wide("：\r\n王芳：  今天生日")), std::wstring::npos) << Utf8(TrayTip());
  ASSERT_TRUE(BalloonGoes());

  // Once: a resume later that day shows none.
  PostMessageW(main, WM_POWERBROADCAST, PBT_APMRESUMEAUTOMATIC, 0);
  EXPECT_FALSE(BalloonComes());
  EXPECT_EQ(program.Close(), 0);
}

TEST(NewDay, BehindALockedSessionItWaitsForTheUnlockAResumeLooksTooAndTheAddWindowStays) {
  ProgramUnderTest program;
  ASSERT_TRUE(AddFriends(program.Folder(), kSampleFriends));
  StartOptions options;
  options.secondsPerDay = 8;
  const DWORD started = GetTickCount();
  HWND main = program.StartMainWith(9, options);
  ASSERT_NE(main, nullptr);
  HWND add = OpenFromToolbar(program, main, ToolbarButton::kAdd, memo::ui::kBirthdayWindowClass);
  ASSERT_NE(add, nullptr);
  HWND name = GetDlgItem(add, memo::ui::birthday_window::kName);
  SendMessageW(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(Wide("新朋友").c_str()));
  const HWND focus = FocusOf(add);
  const std::wstring firstDay = TodayPane(program, main);

  PostMessageW(main, WM_WTSSESSION_CHANGE, WTS_SESSION_LOCK, 0);
  SleepUntil(started, 8000 + kStartAllowanceMs);
  PostMessageW(main, WM_TIMECHANGE, 0, 0);
  Sleep(1500);
  EXPECT_TRUE(TodayPane(program, main) == firstDay);
  PostMessageW(main, WM_WTSSESSION_CHANGE, WTS_SESSION_UNLOCK, 0);
  EXPECT_TRUE(WaitUntil([&] { return TodayPane(program, main) != firstDay; }));
  EXPECT_TRUE(BalloonComes());  // the day that began behind the lock

  const std::wstring secondDay = TodayPane(program, main);
  SleepUntil(started, 16000 + kStartAllowanceMs);
  PostMessageW(main, WM_POWERBROADCAST, PBT_APMRESUMESUSPEND, 0);
  EXPECT_TRUE(WaitUntil([&] { return TodayPane(program, main) != secondDay; }));

  // What the user was typing is as it was.
  EXPECT_TRUE(IsWindow(add));
  EXPECT_FALSE(IsWindowEnabled(main));
  EXPECT_TRUE(WindowText(name) == Wide("新朋友"));
  EXPECT_EQ(FocusOf(add), focus);
  PostMessageW(add, WM_CLOSE, 0, 0);
  ASSERT_TRUE(WaitUntil([&] { return IsWindowEnabled(main) != FALSE; }));
  EXPECT_EQ(program.Close(), 0);
}

TEST(NewDay, TheProgramsOwnTimerSeesTheNewDayWithinAMinuteButLooksNoMoreOften) {
  ProgramUnderTest program;
  StartOptions options;
  options.secondsPerDay = 2;
  HWND main = program.StartMain(options);
  ASSERT_NE(main, nullptr);
  const std::wstring firstDay = TodayPane(program, main);
  // The timer starts with the window, after the process: it cannot fire before a minute from
  // the process's start, however long the start took, and fires once that minute is past.
  FILETIME created, unused, now;
  ASSERT_TRUE(GetProcessTimes(program.Process(), &created, &unused, &unused, &unused));
  GetSystemTimeAsFileTime(&now);
  const int64_t sinceStartMs = (FileTimeCount(now) - FileTimeCount(created)) / 10000;
  const ULONGLONG minuteFromStart =
      GetTickCount64() + std::max<int64_t>(0, kDayTimerMs - sinceStartMs);
  EXPECT_FALSE(DayChangesBefore(program, main, firstDay, minuteFromStart));
  EXPECT_TRUE(DayChangesBefore(program, main, firstDay, minuteFromStart + kDayTimerMs));
  EXPECT_EQ(program.Close(), 0);
}
