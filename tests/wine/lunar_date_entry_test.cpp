// Lunar birthdays entered in the add/edit window: a day such as lunar 二月三十 picked in the
// month calendar and shown as people write it, down to the friend list and the upcoming list;
// 公历 and 农历 showing the same day in the other calendar.
#include <gtest/gtest.h>

#include "birthday_table.h"
#include "birthday_window_parts.h"
#include "program_under_test.h"
#include "program_windows.h"
#include "real_input.h"
#include "remote_controls.h"
#include "ui/window_ids.h"
#include "window_basics.h"

using namespace wine_test;
namespace main_ids = memo::ui::main_window;
namespace ids = memo::ui::birthday_window;
namespace input = wine_test::real_input;

namespace {

constexpr COLORREF kChosenFrame = RGB(255, 128, 0), kTodayMark = RGB(0, 160, 0);

std::vector<std::wstring> WideCells(std::initializer_list<const char*> cells) {
  std::vector<std::wstring> wide;
  for (const char* cell : cells) wide.push_back(Wide(cell));
  return wide;
}

}  // namespace

TEST(LunarDateEntry, AddsAFriendBornOnTheThirtiethOfALunarMonth) {
  ProgramUnderTest program;
  StartOptions options;
  options.today = "2024-04-05";  // lunar 2024 二月廿七; 二月三十 is 2024-04-08
  HWND main = program.StartMain(options);
  ASSERT_NE(main, nullptr);
  HWND window = OpenBirthdayWindow(program, main, ToolbarButton::kAdd);
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(LunarDateBox(window) == Wide("2024年二月廿七"));
  ClickControl(GetDlgItem(window, ids::kCalendarButton));
  HWND calendar = GetDlgItem(window, ids::kCalendar);
  ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(calendar) != FALSE; }));

  // Lunar 2024 二月 runs from 2024-03-10, cell 6, to cell 35; today, cell 32, is the chosen
  // day and today both.
  ASSERT_TRUE(WaitUntil([&] { return CellFills(calendar) == MonthFills(6, 35); }, 10000));
  const RECT todayCell = CellRect(32);
  EXPECT_EQ(PixelAt(calendar, {todayCell.left + 1, todayCell.top + 3}), kChosenFrame);
  EXPECT_EQ(PixelAt(calendar, {todayCell.right - 4, todayCell.top + 3}), kTodayMark);

  // Another year keeps 二月, although lunar 2004 has a leap second month after it. Its 二月
  // runs from 2004-02-20 (cell 4) to 2004-03-20 (cell 33); the chosen day stays the 27th.
  Choose(calendar, kYearList, 2004 - 1902);
  EXPECT_EQ(SendMessageW(GetDlgItem(calendar, kMonthList), CB_GETCURSEL, 0, 0), 1);
  ASSERT_TRUE(WaitUntil([&] { return CellFills(calendar) == MonthFills(4, 33); }, 10000));
  const RECT chosenCell = CellRect(30);
  EXPECT_EQ(PixelAt(calendar, {chosenCell.left + 1, chosenCell.top + 3}), kChosenFrame);
  SaveScreenshot("lunar-calendar-2004-second-month");

  Click(calendar, CellCentre(33));  // 二月三十
  ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(calendar); }));
  EXPECT_TRUE(LunarDateBox(window) == Wide("2004年二月三十"));
  EXPECT_FALSE(Shown(window, ids::kLeapMonth));
  SetText(window, ids::kName, "孙三十");
  Sleep(300);
  SaveScreenshot("lunar-date-box-second-month-thirtieth");
  ClickControl(GetDlgItem(window, ids::kSave));
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(window); }));

  std::vector<TableFriend> table = ReadTable(program.Folder());
  ASSERT_EQ(table.size(), 1u);
  EXPECT_EQ(table[0].birthday, "2004年2月30日");
  EXPECT_TRUE(table[0].lunar);
  HWND list = GetDlgItem(main, main_ids::kFriendList);
  ASSERT_TRUE(WaitUntil([&] { return SendMessageW(list, LVM_GETITEMCOUNT, 0, 0) == 1; }));
  EXPECT_EQ(ReadListRows(program.Process(), list)[0],
            WideCells({"孙三十", "2004年二月三十", "农历", "19岁", "猴", "双鱼座", ""}));
  HWND upcoming = GetDlgItem(main, main_ids::kUpcomingList);
  ASSERT_TRUE(WaitUntil([&] { return SendMessageW(upcoming, LVM_GETITEMCOUNT, 0, 0) == 1; }));
  EXPECT_EQ(ReadListRows(program.Process(), upcoming)[0],
            WideCells({"孙三十", "二月三十（4月8日）", "农历", "20岁（二十岁整生日）", "",
                       "还有3天过生日"}));
  ClickTab(program, GetDlgItem(main, main_ids::kPages), 1);
  Sleep(300);
  SaveScreenshot("upcoming-lunar-second-month-thirtieth");

  // Opened for editing from the friend list, the friend shows the same date, and 确定 stores
  // it unchanged.
  ClickTab(program, GetDlgItem(main, main_ids::kPages), 0);
  SelectListRows(program.Process(), list, {0});
  window = OpenBirthdayWindow(program, main, ToolbarButton::kEdit);
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(LunarDateBox(window) == Wide("2004年二月三十"));
  ClickControl(GetDlgItem(window, ids::kSave));
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(window); }));
  EXPECT_EQ(ReadTable(program.Folder())[0].birthday, "2004年2月30日");
  EXPECT_EQ(program.Close(), 0);
}

// With a real mouse: 公历 to 农历 and back gives the day the friend was born on, and the
// leap-month box follows a day of a leap month.
TEST(LunarDateEntry, SolarToLunarAndBackKeepsTheDay) {
  ProgramUnderTest program;
  ASSERT_TRUE(StoreFriends(program.Folder(), {{"孙丽", false, "1988年6月25日", false, ""},
                                              {"钱闰", false, "2023年4月5日", false, ""}}));
  HWND main = program.StartMainWith(2);
  ASSERT_NE(main, nullptr);
  HWND list = GetDlgItem(main, main_ids::kFriendList);
  const struct {
    int row;
    const char *solar, *lunar;
    bool leap;
  } cases[] = {{0, "1988-6-25", "1988年五月十二", false},
               {1, "2023-4-5", "2023年闰二月十五", true}};
  for (const auto& c : cases) {
    SelectListRows(program.Process(), list, {c.row});
    HWND window = OpenBirthdayWindow(program, main, ToolbarButton::kEdit);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return input::IsActive(window); }));
    EXPECT_EQ(DateBox(program, window), c.solar);
    ASSERT_TRUE(input::Click(input::CentreOf(GetDlgItem(window, ids::kLunar))));
    ASSERT_TRUE(WaitUntil([&] { return LunarDateBox(window) == Wide(c.lunar); }))
        << Utf8(LunarDateBox(window));
    EXPECT_FALSE(Shown(window, ids::kDate));
    EXPECT_EQ(Shown(window, ids::kLeapMonth), c.leap);
    EXPECT_EQ(Checked(GetDlgItem(window, ids::kLeapMonth)), c.leap);
    if (c.leap) SaveScreenshot("birthday-window-solar-day-as-lunar");
    ASSERT_TRUE(input::Click(input::CentreOf(GetDlgItem(window, ids::kSolar))));
    ASSERT_TRUE(WaitUntil([&] { return Shown(window, ids::kDate); }));
    EXPECT_EQ(DateBox(program, window), c.solar);
    ASSERT_TRUE(input::Click(input::CentreOf(GetDlgItem(window, ids::kSave))));
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(window); }));
  }
  std::vector<TableFriend> table = ReadTable(program.Folder());
  ASSERT_EQ(table.size(), 2u);
  EXPECT_EQ(table[0].birthday, "1988年6月25日");
  EXPECT_EQ(table[1].birthday, "2023年4月5日");
  EXPECT_FALSE(table[0].lunar || table[1].lunar);
  EXPECT_EQ(program.Close(), 0);
}
