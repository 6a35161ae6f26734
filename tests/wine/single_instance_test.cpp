// One copy per program folder: a second start from the same folder brings the running copy's
// window forward and ends with 0, a start at log-on just ends, and copies in different
// folders run side by side.
//
// Checked by reading only: Wine does not keep a background process from taking the
// foreground, so that the running copy may take it on Windows only because the second start
// allows it (AllowSetForegroundWindow in src/app/win32/single_instance.cpp) is not shown here.
#include <windows.h>

#include <gtest/gtest.h>

#include "app/win32/log_on_start.h"
#include "child_process.h"
#include "program_under_test.h"
#include "program_windows.h"
#include "tray_area.h"
#include "ui/window_ids.h"
#include "window_basics.h"

using namespace wine_test;

namespace {

// Starts the program in `exe` once more and gives its exit code, or -1 when it does not end.
int StartAgain(const std::wstring& exe, const std::wstring& arguments = {}) {
  ChildProcess copy;
  if (!copy.Start(L"\"" + exe + L"\"" + arguments)) return -1;
  return copy.WaitForExit(15000);
}

// The foreground is taken away, so that only the program can bring its window back.
void ForegroundToDesktop() {
  SetForegroundWindow(GetDesktopWindow());
}

bool Forward(HWND window) {
  return WaitUntil([&] {
    return IsWindowVisible(window) && !IsIconic(window) && GetForegroundWindow() == window;
  });
}

}  // namespace

TEST(SingleInstance, ASecondStartFromTheSameFolderBringsTheRunningWindowForwardAndEndsWithZero) {
  ProgramUnderTest program;
  HWND main = program.StartMain();
  ASSERT_NE(main, nullptr);
  ASSERT_TRUE(WaitUntil(TrayShowsIcon));

  ShowWindow(main, SW_MINIMIZE);
  ASSERT_TRUE(WaitUntil([&] { return IsIconic(main) != FALSE; }));
  ForegroundToDesktop();
  EXPECT_EQ(StartAgain(program.Executable()), 0);
  EXPECT_TRUE(Forward(main));

  // Hidden in the tray, and started by a path in other letters: the same folder.
  ClickTrayIcon();
  ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(main); }));
  std::wstring shouted = program.Executable();
  CharUpperBuffW(shouted.data(), static_cast<DWORD>(shouted.size()));
  EXPECT_EQ(StartAgain(shouted), 0);
  EXPECT_TRUE(Forward(main));

  // With a modal window open, that window comes forward.
  HWND settings =
      OpenFromToolbar(program, main, ToolbarButton::kSettings, memo::ui::kSettingsWindowClass);
  ASSERT_NE(settings, nullptr);
  ForegroundToDesktop();
  ASSERT_NE(GetForegroundWindow(), settings);
  EXPECT_EQ(StartAgain(program.Executable()), 0);
  EXPECT_TRUE(Forward(settings));
  PostMessageW(settings, WM_CLOSE, 0, 0);
  ASSERT_TRUE(WaitUntil([&] { return IsWindowEnabled(main) != FALSE; }));

  // Started at log-on while it runs: it ends and leaves the running copy as it is.
  ClickTrayIcon();
  ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(main); }));
  EXPECT_EQ(StartAgain(program.Executable(), std::wstring(L" ") + memo::kLogOnSwitch), 0);
  Sleep(1000);
  EXPECT_FALSE(IsWindowVisible(main));
  EXPECT_EQ(program.WaitForExit(0), -1);
  EXPECT_EQ(program.Close(), 0);
}

TEST(SingleInstance, CopiesInDifferentFoldersRunSideBySide) {
  ProgramUnderTest first, second;
  HWND firstMain = first.StartMain();
  ASSERT_NE(firstMain, nullptr);
  HWND secondMain = second.StartMain();
  ASSERT_NE(secondMain, nullptr);
  EXPECT_NE(firstMain, secondMain);
  EXPECT_EQ(first.WaitForExit(0), -1);
  EXPECT_EQ(second.Close(), 0);
  EXPECT_EQ(first.Close(), 0);
}
