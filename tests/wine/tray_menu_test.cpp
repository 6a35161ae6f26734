// The tray icon's menu: what each item does, which items a modal window leaves to choose,
// and its closing at a click elsewhere. The items are chosen with the keys, as the menu
// takes them: Down from none goes to 显示主窗口, Up from none to 退出.
//
// Checked by reading only: Wine closes a menu at a click elsewhere whether or not its owner
// is the foreground window. Windows does so only when it is, hence SetForegroundWindow before
// TrackPopupMenu and the posted WM_NULL after it (src/ui/popup_menu.cpp).
#include <gtest/gtest.h>

#include "program_under_test.h"
#include "program_windows.h"
#include "real_input.h"
#include "test_files.h"
#include "tray_area.h"
#include "ui/window_ids.h"
#include "window_basics.h"

using namespace wine_test;
namespace ids = memo::ui::main_window;

namespace {

constexpr wchar_t kMenuClass[] = L"#32768";

HWND OpenMenu(ProgramUnderTest& program) {
  return program.WaitForWindow(kMenuClass, 0);
}

bool MenuClosed(ProgramUnderTest& program) {
  return WaitUntil([&] { return OpenMenu(program) == nullptr; });
}

// Opens the menu with a right click on the icon; false when it does not come.
bool OpenTrayMenu(ProgramUnderTest& program) {
  RightClickTrayIcon();
  return program.WaitForWindow(kMenuClass, 3000) != nullptr;
}

// Opens the menu and types the keys; false when the menu does not come or does not close.
bool ChooseFromTrayMenu(ProgramUnderTest& program, HWND main, std::initializer_list<WPARAM> keys) {
  if (!OpenTrayMenu(program)) return false;
  TypeMenuKeys(main, keys);
  return MenuClosed(program);
}

bool Forward(HWND window) {
  return WaitUntil([&] {
    return IsWindowVisible(window) && !IsIconic(window) && GetForegroundWindow() == window;
  });
}

// Starts the program and hides its window with a click on the icon; null when either fails.
HWND StartHiddenInTray(ProgramUnderTest& program) {
  HWND main = program.StartMain();
  if (!main || !WaitUntil(TrayShowsIcon)) return nullptr;
  ClickTrayIcon();
  return WaitUntil([&] { return !IsWindowVisible(main); }) ? main : nullptr;
}

int ShownPage(HWND main) {
  return static_cast<int>(SendMessageW(GetDlgItem(main, ids::kPages), TCM_GETCURSEL, 0, 0));
}

}  // namespace

TEST(TrayMenu, ShowMainWindowIsTheBoldDefaultAndBringsAHiddenOrMinimizedWindowForward) {
  ProgramUnderTest program;
  HWND main = StartHiddenInTray(program);
  ASSERT_NE(main, nullptr);
  ASSERT_TRUE(OpenTrayMenu(program));
  Sleep(300);
  // Checked by looking: 显示主窗口 bold, 最近生日, 设置…, a separator, 退出.
  SaveScreenshot("tray-menu");
  TypeMenuKeys(main, {VK_DOWN, VK_RETURN});
  ASSERT_TRUE(MenuClosed(program));
  EXPECT_TRUE(Forward(main));

  ShowWindow(main, SW_MINIMIZE);
  ASSERT_TRUE(WaitUntil([&] { return IsIconic(main) != FALSE; }));
  ASSERT_TRUE(ChooseFromTrayMenu(program, main, {VK_DOWN, VK_RETURN}));
  EXPECT_TRUE(Forward(main));
  EXPECT_EQ(program.Close(), 0);
}

TEST(TrayMenu, UpcomingShowsTheReportPageAndRunsThePassSettingsOpensTheSettingsWindow) {
  ProgramUnderTest program;
  HWND main = program.StartMain();
  ASSERT_NE(main, nullptr);
  ASSERT_TRUE(WaitUntil(TrayShowsIcon));
  const std::wstring page = program.Folder() + L"\\" + Wide("最近生日.html");
  ASSERT_TRUE(WaitUntil([&] { return FileExists(page); }));
  ASSERT_TRUE(DeleteFileW(page.c_str()));
  ClickTrayIcon();
  ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(main); }));
  ASSERT_TRUE(ChooseFromTrayMenu(program, main, {VK_DOWN, VK_DOWN, VK_RETURN}));
  EXPECT_TRUE(Forward(main));
  EXPECT_TRUE(WaitUntil([&] { return ShownPage(main) == 2; }));
  EXPECT_TRUE(WaitUntil([&] { return FileExists(page); }));

  ASSERT_TRUE(ChooseFromTrayMenu(program, main, {VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN}));
  HWND settings = program.WaitForWindow(memo::ui::kSettingsWindowClass, 5000);
  ASSERT_NE(settings, nullptr);
  EXPECT_FALSE(IsWindowEnabled(main));  // modal, as from the toolbar
  PostMessageW(settings, WM_CLOSE, 0, 0);
  ASSERT_TRUE(WaitUntil([&] { return IsWindowEnabled(main) != FALSE; }));
  EXPECT_EQ(program.Close(), 0);
}

TEST(TrayMenu, WhileAModalWindowIsOpenOnlyShowMainWindowAndExitCanBeChosen) {
  ProgramUnderTest program;
  HWND main = program.StartMain();
  ASSERT_NE(main, nullptr);
  ASSERT_TRUE(WaitUntil(TrayShowsIcon));
  HWND settings =
      OpenFromToolbar(program, main, ToolbarButton::kSettings, memo::ui::kSettingsWindowClass);
  ASSERT_NE(settings, nullptr);
  ASSERT_TRUE(OpenTrayMenu(program));
  TypeMenuKeys(main, {VK_DOWN, VK_DOWN});
  Sleep(300);
  // Checked by looking: 最近生日 and 设置… greyed, 最近生日 under the highlight.
  SaveScreenshot("tray-menu-while-modal");
  TypeMenuKeys(main, {VK_RETURN});
  ASSERT_TRUE(MenuClosed(program));
  ASSERT_TRUE(ChooseFromTrayMenu(program, main, {VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN}));
  Sleep(500);
  EXPECT_EQ(ShownPage(main), 0);                                                  // no 最近生日
  EXPECT_EQ(program.WaitForWindow(memo::ui::kSettingsWindowClass, 0), settings);  // no second

  // 显示主窗口 brings the modal window forward, the one to work in.
  SetForegroundWindow(GetDesktopWindow());
  ASSERT_NE(GetForegroundWindow(), settings);
  ASSERT_TRUE(ChooseFromTrayMenu(program, main, {VK_DOWN, VK_RETURN}));
  EXPECT_TRUE(Forward(settings));
  EXPECT_TRUE(IsWindowVisible(main));

  // 退出 ends the program as the toolbar's does, the modal window with it.
  ASSERT_TRUE(OpenTrayMenu(program));
  TypeMenuKeys(main, {VK_UP, VK_RETURN});
  EXPECT_EQ(program.WaitForExit(5000), 0);
  EXPECT_TRUE(WaitUntil([] { return !TrayShowsIcon(); }));
}

TEST(TrayMenu, ClosesAtAClickElsewhereWithoutChoosingAnything) {
  ProgramUnderTest program;
  HWND main = StartHiddenInTray(program);
  ASSERT_NE(main, nullptr);
  ASSERT_TRUE(OpenTrayMenu(program));
  ASSERT_TRUE(real_input::Click({20, 20}));  // the empty desktop
  EXPECT_TRUE(MenuClosed(program));
  Sleep(300);
  EXPECT_FALSE(IsWindowVisible(main));
  EXPECT_EQ(program.WaitForExit(0), -1);
  // The next right click opens it again at once.
  EXPECT_TRUE(OpenTrayMenu(program));
  TypeMenuKeys(main, {VK_ESCAPE});
  EXPECT_TRUE(MenuClosed(program));
  EXPECT_EQ(program.Close(), 0);
}
