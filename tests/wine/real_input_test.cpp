// The program used with a real mouse and keyboard (see real_input.h): every window a click
// opens is drawn on the screen and takes the activation, and once it is gone the main
// window has the activation back, ready for the next click.
#include <gtest/gtest.h>

#include "birthday_table.h"
#include "program_under_test.h"
#include "program_windows.h"
#include "real_input.h"
#include "real_use.h"
#include "remote_controls.h"
#include "ui/window_ids.h"
#include "window_basics.h"

using namespace wine_test;
namespace input = wine_test::real_input;
namespace main_ids = memo::ui::main_window;
namespace birthday_ids = memo::ui::birthday_window;
namespace settings_ids = memo::ui::settings_window;

namespace {

HWND StartWithTwoFriends(ProgramUnderTest& program) {
  if (!StoreFriends(program.Folder(), {{"张三", false, "1980年5月3日", false, "13800138000"},
                                       {"李四", false, "1975年1月2日", true, ""}})) {
    return nullptr;
  }
  return StartMainActive(program, 2);
}

}  // namespace

TEST(RealInput, EveryWindowOpensDrawnAndHandsTheActivationBack) {
  ProgramUnderTest program;
  HWND main = StartWithTwoFriends(program);
  ASSERT_NE(main, nullptr);
  HWND list = GetDlgItem(main, main_ids::kFriendList);
  {
    SCOPED_TRACE("add, then cancel");
    ASSERT_TRUE(input::Click(ToolbarButtonCentre(program, main, ToolbarButton::kAdd)));
    HWND window = Opened(program, memo::ui::kBirthdayWindowClass);
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(IsWindowEnabled(main));
    ClickOn(window, birthday_ids::kCancel);
    ExpectGoneAndMainActive(window, main);
  }
  {
    SCOPED_TRACE("settings, then cancel");
    ASSERT_TRUE(input::Click(ToolbarButtonCentre(program, main, ToolbarButton::kSettings)));
    HWND window = Opened(program, memo::ui::kSettingsWindowClass);
    ASSERT_NE(window, nullptr);
    ClickOn(window, settings_ids::kCancelDays);
    ExpectGoneAndMainActive(window, main);
  }
  {
    SCOPED_TRACE("about, then Alt+F4");
    ASSERT_TRUE(input::Click(ToolbarButtonCentre(program, main, ToolbarButton::kAbout)));
    HWND window = Opened(program, memo::ui::kSettingsWindowClass);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(input::PressKeys("alt+F4"));
    ExpectGoneAndMainActive(window, main);
  }
  {
    SCOPED_TRACE("a click on a row, edit, then cancel");
    ASSERT_TRUE(input::Click(input::RowCentre(program.Process(), list, 1)));
    ASSERT_TRUE(WaitUntil([&] { return SendMessageW(list, LVM_GETSELECTEDCOUNT, 0, 0) == 1; }));
    ASSERT_TRUE(input::Click(ToolbarButtonCentre(program, main, ToolbarButton::kEdit)));
    HWND window = Opened(program, memo::ui::kBirthdayWindowClass);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(WindowText(GetDlgItem(window, birthday_ids::kName)) == Wide("李四"));
    ClickOn(window, birthday_ids::kCancel);
    ExpectGoneAndMainActive(window, main);
  }
  {
    SCOPED_TRACE("delete, then no");
    ASSERT_TRUE(input::Click(ToolbarButtonCentre(program, main, ToolbarButton::kDelete)));
    HWND question = Opened(program, L"#32770");
    ASSERT_NE(question, nullptr);
    ClickOn(question, IDNO);
    ExpectGoneAndMainActive(question, main);
    EXPECT_EQ(ReadTable(program.Folder()).size(), 2u);
  }
  EXPECT_EQ(program.Close(), 0);
}

TEST(RealInput, AddsAFriendTypedOnTheKeyboard) {
  ProgramUnderTest program;
  HWND main = StartWithTwoFriends(program);
  ASSERT_NE(main, nullptr);
  HWND list = GetDlgItem(main, main_ids::kFriendList);

  // Below the rows no friend is chosen, so a double click there adds one.
  RECT area;
  GetClientRect(list, &area);
  POINT below = {area.right / 2, area.bottom - 20};
  ClientToScreen(list, &below);
  ASSERT_TRUE(input::DoubleClick(below));
  HWND window = Opened(program, memo::ui::kBirthdayWindowClass);
  ASSERT_NE(window, nullptr);

  // The name box comes with the focus and its sample text selected: typing replaces it.
  HWND name = GetDlgItem(window, birthday_ids::kName);
  ASSERT_TRUE(WaitUntil([&] { return FocusOf(window) == name; }));
  EXPECT_TRUE(input::Type("Tom Lee"));
  ClickOn(window, birthday_ids::kSolar);
  EXPECT_TRUE(WaitUntil([&] { return Checked(GetDlgItem(window, birthday_ids::kSolar)); }));
  // A click in the contact box selects its sample text.
  ClickOn(window, birthday_ids::kContact);
  EXPECT_TRUE(input::Type("13600001234"));
  EXPECT_TRUE(WaitUntil(
      [&] { return WindowText(GetDlgItem(window, birthday_ids::kContact)) == L"13600001234"; }));
  EXPECT_TRUE(WindowText(name) == L"Tom Lee") << Utf8(WindowText(name));
  ClickOn(window, birthday_ids::kSave);
  ExpectGoneAndMainActive(window, main);

  ASSERT_TRUE(WaitUntil([&] { return SendMessageW(list, LVM_GETITEMCOUNT, 0, 0) == 3; }));
  EXPECT_TRUE(ListCell(program.Process(), list, 2, 0) == L"Tom Lee");
  std::vector<TableFriend> table = ReadTable(program.Folder());
  ASSERT_EQ(table.size(), 3u);
  EXPECT_EQ(table[2].name, "Tom Lee");
  EXPECT_EQ(table[2].birthday, "2012年4月15日");
  EXPECT_FALSE(table[2].lunar);
  EXPECT_EQ(table[2].contact, "13600001234");
  EXPECT_EQ(program.Close(), 0);
}
