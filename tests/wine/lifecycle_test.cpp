// How the program's windows open and how it ends: 关于 and 设置, 退出, closing the main
// window with and without the tray icon.
#include <gtest/gtest.h>

#include "program_under_test.h"
#include "program_windows.h"
#include "tray_area.h"
#include "ui/window_ids.h"
#include "window_basics.h"

using namespace wine_test;

namespace {

HWND OpenAbout(ProgramUnderTest& program, HWND main) {
  return OpenFromToolbar(program, main, ToolbarButton::kAbout, memo::ui::kSettingsWindowClass);
}

}  // namespace

TEST(Lifecycle, AboutOpensTheSettingsWindowWithoutModalityOnItsThirdPage) {
  ProgramUnderTest program;
  HWND main = program.StartMain();
  ASSERT_NE(main, nullptr);
  HWND about = OpenAbout(program, main);
  ASSERT_NE(about, nullptr);
  EXPECT_EQ(GetWindow(about, GW_OWNER), main);
  EXPECT_TRUE(IsWindowEnabled(main));  // the main window stays usable
  HWND tab = GetDlgItem(about, memo::ui::settings_window::kTab);
  EXPECT_EQ(SendMessageW(tab, TCM_GETCURSEL, 0, 0), 2);
  EXPECT_TRUE(IsWindowVisible(GetDlgItem(about, memo::ui::settings_window::kAbout)));
  EXPECT_FALSE(IsWindowVisible(GetDlgItem(about, memo::ui::settings_window::kDays)));
  Sleep(300);
  SaveScreenshot("about-window");

  // While it is open the main window still takes commands: 设置 opens a modal one.
  ClickToolbarButton(program, main, ToolbarButton::kSettings);
  ASSERT_TRUE(WaitUntil([&] { return !IsWindowEnabled(main); }));
  PostMessageW(about, WM_CLOSE, 0, 0);
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(about); }));
  HWND settings = program.WaitForWindow(memo::ui::kSettingsWindowClass, 5000);
  ASSERT_NE(settings, nullptr);
  EXPECT_EQ(
      SendMessageW(GetDlgItem(settings, memo::ui::settings_window::kTab), TCM_GETCURSEL, 0, 0), 0);
  PostMessageW(settings, WM_CLOSE, 0, 0);
  ASSERT_TRUE(WaitUntil([&] { return IsWindowEnabled(main) != FALSE; }));
  EXPECT_EQ(program.Close(), 0);
}

TEST(Lifecycle, ExitEndsAtOnceWithCodeZeroAndTakesTheIconAlong) {
  ProgramUnderTest program;
  HWND main = program.StartMain();
  ASSERT_NE(main, nullptr);
  ASSERT_TRUE(WaitUntil(TrayShowsIcon));
  ASSERT_NE(OpenAbout(program, main), nullptr);
  ClickToolbarButton(program, main, ToolbarButton::kExit);
  EXPECT_EQ(program.WaitForExit(5000), 0);
  EXPECT_TRUE(WaitUntil([] { return !TrayShowsIcon(); }));
}

TEST(Lifecycle, ClosingWithTheIconEndsWithCodeZeroEvenWithAboutOpen) {
  ProgramUnderTest program;
  HWND main = program.StartMain();
  ASSERT_NE(main, nullptr);
  ASSERT_TRUE(WaitUntil(TrayShowsIcon));
  ASSERT_NE(OpenAbout(program, main), nullptr);
  EXPECT_EQ(program.Close(5000), 0);
  EXPECT_TRUE(WaitUntil([] { return !TrayShowsIcon(); }));
}

TEST(Lifecycle, ClosingWithoutTheIconEndsWithCodeZeroWhenTheLastWindowIsGone) {
  {
    ProgramUnderTest program;
    settings::WriteNumber(L"tubiao", 1);
    HWND main = program.StartMain();
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(program.Close(5000), 0);
  }
  {
    // The About window belongs to the main window and goes with it.
    ProgramUnderTest program;
    settings::WriteNumber(L"tubiao", 1);
    HWND main = program.StartMain();
    ASSERT_NE(main, nullptr);
    HWND about = OpenAbout(program, main);
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(program.Close(5000), 0);
  }
}

TEST(Lifecycle, WithoutFriendsEditAndDeleteDoNothingUpcomingShowsDetailsAndADoubleClickAdds) {
  ProgramUnderTest program;
  HWND main = program.StartMain();
  ASSERT_NE(main, nullptr);
  ClickToolbarButton(program, main, ToolbarButton::kEdit);
  ClickToolbarButton(program, main, ToolbarButton::kDelete);
  Sleep(500);
  EXPECT_EQ(program.WaitForWindow(memo::ui::kBirthdayWindowClass, 0), nullptr);
  EXPECT_TRUE(IsWindowEnabled(main));

  HWND pages = GetDlgItem(main, memo::ui::main_window::kPages);
  ClickToolbarButton(program, main, ToolbarButton::kUpcoming);
  ASSERT_TRUE(WaitUntil([&] { return SendMessageW(pages, TCM_GETCURSEL, 0, 0) == 2; }));
  EXPECT_TRUE(IsWindowVisible(GetDlgItem(main, memo::ui::main_window::kReportView)));

  // A double click on the friend list with no row selected opens the add window.
  ClickTab(program, pages, 0);
  HWND list = GetDlgItem(main, memo::ui::main_window::kFriendList);
  ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(list) != FALSE; }));
  PostMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(200, 100));
  PostMessageW(list, WM_LBUTTONUP, 0, MAKELPARAM(200, 100));
  PostMessageW(list, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(200, 100));
  PostMessageW(list, WM_LBUTTONUP, 0, MAKELPARAM(200, 100));
  HWND add = program.WaitForWindow(memo::ui::kBirthdayWindowClass, 5000);
  ASSERT_NE(add, nullptr);
  EXPECT_TRUE(WindowText(add) == Wide("添加好友生日"));
  EXPECT_FALSE(IsWindowEnabled(main));
  PostMessageW(add, WM_CLOSE, 0, 0);
  ASSERT_TRUE(WaitUntil([&] { return IsWindowEnabled(main) != FALSE; }));
  EXPECT_EQ(program.Close(), 0);
}
