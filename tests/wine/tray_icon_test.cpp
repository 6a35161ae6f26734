// The tray icon of the main window: shown at start-up, clicks on it, its return after the
// taskbar is re-created, the balloon and its timer, and the icon setting.
#include <windows.h>

#include <gtest/gtest.h>
#include <shellapi.h>

#include "program_under_test.h"
#include "tray_area.h"
#include "ui/window_ids.h"
#include "window_basics.h"

using namespace wine_test;

namespace {

// The taskbar forgets every icon when it is re-created; this takes the program's icon away
// as such a restart does.
void ForgetIcon(HWND main) {
  NOTIFYICONDATAW icon = {};
  icon.cbSize = sizeof(icon);
  icon.hWnd = main;
  icon.uID = 1;
  Shell_NotifyIconW(NIM_DELETE, &icon);
}

bool Visible(HWND window) {
  return IsWindowVisible(window) != FALSE;
}

}  // namespace

TEST(TrayIcon, ShownAtStartAndALeftClickHidesAndShowsTheMainWindowARightClickOnlyItsMenu) {
  ProgramUnderTest program;
  HWND main = program.StartMain();
  ASSERT_NE(main, nullptr);
  ASSERT_TRUE(WaitUntil(TrayShowsIcon));
  SaveScreenshot("tray-icon");
  ClickTrayIcon();
  ASSERT_TRUE(WaitUntil([&] { return !Visible(main); }));
  ClickTrayIcon();
  ASSERT_TRUE(WaitUntil([&] { return Visible(main); }));
  for (bool shown : {true, false}) {
    if (!shown) {
      ClickTrayIcon();
      ASSERT_TRUE(WaitUntil([&] { return !Visible(main); }));
    }
    RightClickTrayIcon();
    ASSERT_NE(program.WaitForWindow(L"#32768", 3000), nullptr);
    PressKey(main, VK_ESCAPE);
    ASSERT_TRUE(WaitUntil([&] { return program.WaitForWindow(L"#32768", 0) == nullptr; }));
    EXPECT_EQ(Visible(main), shown);
  }
  // The process runs on while the window is hidden.
  EXPECT_EQ(program.WaitForExit(0), -1);
  ClickTrayIcon();
  ASSERT_TRUE(WaitUntil([&] { return Visible(main); }));
  EXPECT_EQ(program.Close(), 0);
}

TEST(TrayIcon, SettingOtherThanZeroHidesItAndATextSettingReadsAsZero) {
  {
    ProgramUnderTest program;
    settings::WriteNumber(L"tubiao", 1);
    HWND main = program.StartMain();
    ASSERT_NE(main, nullptr);
    Sleep(500);
    EXPECT_FALSE(TrayShowsIcon());
    EXPECT_EQ(program.Close(), 0);
  }
  {
    ProgramUnderTest program;
    settings::WriteText(L"tubiao", L"1");
    HWND main = program.StartMain();
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(WaitUntil(TrayShowsIcon));
    EXPECT_EQ(program.Close(), 0);
  }
}

TEST(TrayIcon, ComesBackWithWorkingClicksAfterTheTaskbarIsRecreatedBehindABalloon) {
  ProgramUnderTest program;
  StartOptions options;
  options.balloon = "生日提醒|张三 还有3天";
  HWND main = program.StartMain(options);
  ASSERT_NE(main, nullptr);
  ASSERT_TRUE(WaitUntil(TrayShowsIcon));
  ASSERT_TRUE(WaitUntil([] { return VisibleBalloon() != nullptr; }));
  ForgetIcon(main);
  ASSERT_TRUE(WaitUntil([] { return !TrayShowsIcon(); }));
  ClickTrayIcon();  // nothing there to click
  Sleep(300);
  EXPECT_TRUE(Visible(main));

  PostMessageW(main, RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
  ASSERT_TRUE(WaitUntil(TrayShowsIcon));
  ClickTrayIcon();
  EXPECT_TRUE(WaitUntil([&] { return !Visible(main); }));
  ClickTrayIcon();
  EXPECT_TRUE(WaitUntil([&] { return Visible(main); }));
  EXPECT_EQ(program.Close(), 0);
}

TEST(TrayIcon, BalloonShowsAndIsTakenAwayFiveSecondsAfterItWasAskedFor) {
  ProgramUnderTest program;
  StartOptions options;
  options.balloon = "生日提醒|张三 还有3天";
  ASSERT_TRUE(program.Start(options));
  ASSERT_NE(program.WaitForWindow(memo::ui::kMainWindowClass), nullptr);
  DWORD started = GetTickCount();
  // The taskbar shows a balloon about 2 s after it is asked for, and would keep it 10 s.
  ASSERT_TRUE(WaitUntil([] { return VisibleBalloon() != nullptr; }, 6000));
  DWORD shown = GetTickCount();
  Sleep(300);
  SaveScreenshot("tray-balloon");
  ASSERT_TRUE(WaitUntil([] { return VisibleBalloon() == nullptr; }, 8000));
  DWORD gone = GetTickCount();
  EXPECT_GE(gone - started, 4000u);
  EXPECT_LE(gone - started, 7000u);
  EXPECT_GE(gone - shown, 1500u);
  EXPECT_TRUE(TrayShowsIcon());
}
