// The add/edit birthday window opened for adding: its controls against the design, the hints
// in its empty boxes, the tab order, the whole-text selection of its boxes, the calendar's
// place and closing it.
#include <gtest/gtest.h>

#include "design_check.h"
#include "program_under_test.h"
#include "program_windows.h"
#include "remote_controls.h"
#include "ui/window_ids.h"
#include "window_basics.h"

using namespace wine_test;
namespace ids = memo::ui::birthday_window;

TEST(BirthdayWindow, AddOpensItModalWithTheDesignedControlsTabOrderAndSelection) {
  ProgramUnderTest program;
  HWND main = program.StartMain();
  ASSERT_NE(main, nullptr);
  HWND window = OpenFromToolbar(program, main, ToolbarButton::kAdd, memo::ui::kBirthdayWindowClass);
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(WindowText(window) == Wide("添加好友生日"));
  // No empty band below the buttons: the window grows only while its calendar is open.
  ExpectWindowFrame(window, 431, 424);
  EXPECT_FALSE(GetWindowLongW(window, GWL_STYLE) & WS_MINIMIZEBOX);
  EXPECT_FALSE(IsWindowEnabled(main));  // modal for adding

  // Places in the client area: the radio buttons lie in the group box at (11, 55).
  const ExpectedControl controls[] = {
      {ids::kNameLabel, L"Static", "姓名：", 8, 18, 40, 16},
      {ids::kName, L"Edit", nullptr, 48, 18, 144, 24},
      {ids::kMethodGroup, L"Button", "提醒方式", 11, 55, 280, 48},
      {ids::kSolar, L"Button", "公历", 55, 74, 112, 20},
      {ids::kLunar, L"Button", "农历", 183, 74, 89, 20},
      {ids::kDateLabel, L"Static", "生日：", 16, 122, 40, 16},
      // Lunar mode: the date box is the lunar date's text, the picker waits hidden.
      {ids::kDate, L"SysDateTimePick32", nullptr, 56, 121, 184, 24, false},
      {ids::kLunarDate, L"Edit", "2012年三月廿五", 56, 121, 184, 24},
      {ids::kCalendarButton, L"Button", "…", 244, 123, 30, 20},
      {ids::kLeapMonth, L"Button", "闰月", 282, 122, 64, 20, false},
      {ids::kNoYear, L"Button", "不知道年份", 56, 148, 120, 20},
      {ids::kContactLabel, L"Static", "联系方式：", 16, 184, 72, 16},
      {ids::kContact, L"Edit", nullptr, 82, 180, 198, 24},
      {ids::kCalledAsLabel, L"Static", "称呼：", 16, 216, 72, 16},
      {ids::kCalledAs, L"Edit", nullptr, 82, 212, 198, 24},
      {ids::kGroupsLabel, L"Static", "分组：", 16, 248, 72, 16},
      {ids::kGroups, L"Edit", nullptr, 82, 244, 198, 24},
      {ids::kGroupsButton, L"Button", "▼", 284, 246, 30, 20},
      {ids::kNoteLabel, L"Static", "备注：", 16, 280, 72, 16},
      {ids::kNote, L"Edit", nullptr, 82, 276, 320, 64},
      {ids::kSave, L"Button", "确定", 160, 356, 96, 28},
      {ids::kCancel, L"Button", "取消", 272, 356, 96, 28},
      {ids::kCalendar, L"CCalendar", nullptr, 56, 146, 365, 262, false},
  };
  ExpectControls(window, controls);
  EXPECT_FALSE(Checked(GetDlgItem(window, ids::kSolar)));
  EXPECT_TRUE(Checked(GetDlgItem(window, ids::kLunar)));
  LONG dateStyle = GetWindowLongW(GetDlgItem(window, ids::kDate), GWL_STYLE);
  EXPECT_TRUE(dateStyle & DTS_LONGDATEFORMAT);
  EXPECT_TRUE(dateStyle & DTS_UPDOWN);  // arrows, no drop-down calendar
  EXPECT_TRUE(GetWindowLongW(GetDlgItem(window, ids::kLunarDate), GWL_STYLE) & ES_READONLY);
  // The sample name and number are grey hints in empty boxes.
  HWND name = GetDlgItem(window, ids::kName), contact = GetDlgItem(window, ids::kContact);
  EXPECT_TRUE(WindowText(name).empty());
  EXPECT_TRUE(WindowText(contact).empty());
  EXPECT_TRUE(CueBanner(program.Process(), name) == Wide("王小明"));
  EXPECT_TRUE(CueBanner(program.Process(), contact) == Wide("13800138000"));
  SaveScreenshot("birthday-window-hints");

  // The … button lies inside the date box and above it: a click there reaches it.
  HWND button = GetDlgItem(window, ids::kCalendarButton);
  RECT buttonPlace = PlaceInWindow(button);
  EXPECT_EQ(ChildWindowFromPointEx(window, Centre(buttonPlace), CWP_SKIPINVISIBLE), button);

  // The name box has the focus.
  EXPECT_EQ(FocusOf(window), name);
  const int order[] = {ids::kSolar,        ids::kLunar,   ids::kLunarDate, ids::kCalendarButton,
                       ids::kNoYear,       ids::kContact, ids::kCalledAs,  ids::kGroups,
                       ids::kGroupsButton, ids::kNote,    ids::kSave,      ids::kCancel,
                       ids::kName};
  for (int next : order) {
    PressKey(FocusOf(window), VK_TAB);
    EXPECT_TRUE(WaitUntil([&] { return FocusOf(window) == GetDlgItem(window, next); }, 2000))
        << "Tab to control " << next;
  }
  // The contact box selects its whole text when it gets the focus and after a click.
  const std::wstring typed = L"13912345678";
  SendMessageW(contact, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(typed.c_str()));
  SendMessageW(contact, EM_SETSEL, 3, 3);
  ClickControl(contact);
  EXPECT_TRUE(WaitUntil(
      [&] { return Selection(contact) == std::make_pair(0, static_cast<int>(typed.size())); },
      2000));
  SaveScreenshot("birthday-window");

  // The … button shows and hides the calendar's place; a click on the window hides it.
  HWND calendar = GetDlgItem(window, ids::kCalendar);
  RECT client;
  GetClientRect(window, &client);
  EXPECT_LE(PlaceOf(GetDlgItem(window, ids::kSave)).top + 28 + 8, client.bottom);
  ClickControl(button);
  ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(calendar) != FALSE; }));
  RECT frame;
  GetWindowRect(window, &frame);
  EXPECT_EQ(frame.bottom - frame.top, 448);
  GetClientRect(window, &client);
  const Place calendarPlace = PlaceOf(calendar);
  EXPECT_LE(calendarPlace.top + calendarPlace.height, client.bottom);
  ClickControl(button);
  ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(calendar); }));
  ExpectWindowFrame(window, 431, 424);
  Click(window, {380, 40});  // the window's own client area: stays hidden
  Sleep(200);
  EXPECT_FALSE(IsWindowVisible(calendar));
  ClickControl(button);
  ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(calendar) != FALSE; }));
  Click(window, {380, 40});
  ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(calendar); }));

  ClickControl(GetDlgItem(window, ids::kCancel));
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(window); }));
  EXPECT_TRUE(IsWindowEnabled(main));
  EXPECT_EQ(program.Close(), 0);
}
