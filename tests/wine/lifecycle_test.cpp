// How the program's windows open and how it ends: 关于 and 设置, 退出, closing the main
// window with and without the tray icon.
#include <gtest/gtest.h>

#include "program_under_test.h"
#include "program_windows.h"
#include "ui/window_ids.h"

using namespace wine_test;

namespace {

constexpr int SettingsButton = 4, AboutButton = 7, ExitButton = 8;

HWND OpenAbout(ProgramUnderTest& program, HWND main) {
  ClickToolbarButton(program, main, AboutButton);
  return program.WaitForWindow(memo::ui::SettingsWindowClass, 5000);
}

}  // namespace

TEST(Lifecycle, AboutOpensTheSettingsWindowWithoutModalityOnItsThirdPage) {
  ProgramUnderTest program;
  HWND main = StartMainWindow(program);
  ASSERT_NE(main, nullptr);
  HWND about = OpenAbout(program, main);
  ASSERT_NE(about, nullptr);
  EXPECT_EQ(GetWindow(about, GW_OWNER), main);
  EXPECT_TRUE(IsWindowEnabled(main));  // the main window stays usable
  HWND tab = GetDlgItem(about, memo::ui::settings_window::Tab);
  EXPECT_EQ(SendMessageW(tab, TCM_GETCURSEL, 0, 0), 2);
  EXPECT_TRUE(IsWindowVisible(GetDlgItem(about, memo::ui::settings_window::About)));
  EXPECT_FALSE(IsWindowVisible(GetDlgItem(about, memo::ui::settings_window::Days)));
  Sleep(300);
  SaveScreenshot("about-window");

  // While it is open the main window still takes commands: 设置 opens a modal one.
  ClickToolbarButton(program, main, SettingsButton);
  ASSERT_TRUE(WaitUntil([&] { return !IsWindowEnabled(main); }));
  PostMessageW(about, WM_CLOSE, 0, 0);
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(about); }));
  HWND settings = program.WaitForWindow(memo::ui::SettingsWindowClass, 5000);
  ASSERT_NE(settings, nullptr);
  EXPECT_EQ(SendMessageW(GetDlgItem(settings, memo::ui::settings_window::Tab), TCM_GETCURSEL, 0, 0),
            0);
  PostMessageW(settings, WM_CLOSE, 0, 0);
  ASSERT_TRUE(WaitUntil([&] { return IsWindowEnabled(main) != FALSE; }));
  PostMessageW(main, WM_CLOSE, 0, 0);
  EXPECT_EQ(program.WaitForExit(), 0);
}

TEST(Lifecycle, ExitEndsAtOnceWithCodeZeroAndTakesTheIconAlong) {
  ProgramUnderTest program;
  HWND main = StartMainWindow(program);
  ASSERT_NE(main, nullptr);
  ASSERT_TRUE(WaitUntil(TrayShowsIcon));
  ASSERT_NE(OpenAbout(program, main), nullptr);
  ClickToolbarButton(program, main, ExitButton);
  EXPECT_EQ(program.WaitForExit(5000), 0);
  EXPECT_TRUE(WaitUntil([] { return !TrayShowsIcon(); }));
}

TEST(Lifecycle, ClosingWithTheIconEndsWithCodeZeroEvenWithAboutOpen) {
  ProgramUnderTest program;
  HWND main = StartMainWindow(program);
  ASSERT_NE(main, nullptr);
  ASSERT_TRUE(WaitUntil(TrayShowsIcon));
  ASSERT_NE(OpenAbout(program, main), nullptr);
  PostMessageW(main, WM_CLOSE, 0, 0);
  EXPECT_EQ(program.WaitForExit(5000), 0);
  EXPECT_TRUE(WaitUntil([] { return !TrayShowsIcon(); }));
}

TEST(Lifecycle, ClosingWithoutTheIconEndsWithCodeZeroWhenTheLastWindowIsGone) {
  {
    ProgramUnderTest program;
    settings::WriteNumber(L"tubiao", 1);
    HWND main = StartMainWindow(program);
    ASSERT_NE(main, nullptr);
    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.WaitForExit(5000), 0);
  }
  {
    // The About window belongs to the main window and goes with it.
    ProgramUnderTest program;
    settings::WriteNumber(L"tubiao", 1);
    HWND main = StartMainWindow(program);
    ASSERT_NE(main, nullptr);
    HWND about = OpenAbout(program, main);
    ASSERT_NE(about, nullptr);
    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.WaitForExit(5000), 0);
  }
}
