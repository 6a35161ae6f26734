// Adding, editing and deleting friends in the real program: the add/edit window with its
// lunar month calendar, the delete confirmation, and what reaches the friend list, the
// birthday table and the upcoming pass.
#include <gtest/gtest.h>

#include "birthday_table.h"
#include "birthday_window_parts.h"
#include "design_check.h"
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

// Starts the program on a folder whose table holds these friends, stored with the sort
// code; waits for the set-up to show their count.
HWND StartWith(ProgramUnderTest& program, const std::vector<TableFriend>& friends,
               memo::SortCode sortCode = memo::SortCode::kStored) {
  if (!StoreFriends(program.Folder(), friends)) return nullptr;
  settings::WriteNumber(L"paixu", settings::StoredSortCode(sortCode));
  return program.StartMainWith(static_cast<int>(friends.size()));
}

std::vector<std::wstring> ListColumn(ProgramUnderTest& program, HWND list, int column) {
  std::vector<std::wstring> texts;
  for (const auto& row : ReadListRows(program.Process(), list)) texts.push_back(row[column]);
  return texts;
}

std::vector<std::wstring> WideNames(std::initializer_list<const char*> names) {
  std::vector<std::wstring> wide;
  for (const char* name : names) wide.push_back(Wide(name));
  return wide;
}

}  // namespace

TEST(FriendEditing, AddsASolarFriendPickedInTheSolarCalendar) {
  ProgramUnderTest program;
  HWND main = program.StartMain();
  ASSERT_NE(main, nullptr);
  HWND window = OpenBirthdayWindow(program, main, ToolbarButton::kAdd);
  ASSERT_NE(window, nullptr);
  EXPECT_FALSE(IsWindowEnabled(main));  // modal
  EXPECT_TRUE(WindowText(window) == Wide("添加好友生日"));
  // Lunar by design, on today's lunar date (2012-04-15 is lunar 2012年三月廿五).
  EXPECT_TRUE(Checked(GetDlgItem(window, ids::kLunar)));
  EXPECT_TRUE(LunarDateBox(window) == Wide("2012年三月廿五"));
  EXPECT_FALSE(Shown(window, ids::kDate));
  EXPECT_FALSE(Shown(window, ids::kCalendar));
  EXPECT_FALSE(Shown(window, ids::kLeapMonth));
  EXPECT_EQ(FocusOf(window), GetDlgItem(window, ids::kName));

  // A click into the name box selects its whole text, so that typing replaces it.
  SetText(window, ids::kName, "孙公历");
  SetText(window, ids::kContact, "13912345678");
  ClickControl(GetDlgItem(window, ids::kName));
  ASSERT_TRUE(
      WaitUntil([&] { return Selection(GetDlgItem(window, ids::kName)) == std::make_pair(0, 3); }));
  ClickControl(GetDlgItem(window, ids::kContact));
  ASSERT_TRUE(WaitUntil(
      [&] { return Selection(GetDlgItem(window, ids::kContact)) == std::make_pair(0, 11); }));

  // 公历 shows the same day as a solar date, in the date picker.
  ClickControl(GetDlgItem(window, ids::kSolar));
  ASSERT_TRUE(WaitUntil([&] { return Shown(window, ids::kDate); }));
  EXPECT_EQ(DateBox(program, window), "2012-4-15");
  EXPECT_FALSE(Shown(window, ids::kLunarDate));
  EXPECT_FALSE(Checked(GetDlgItem(window, ids::kLunar)));
  // The "…" button lies beside the date picker, over none of its text, and takes the clicks
  // there, also once the picker has been used.
  HWND button = GetDlgItem(window, ids::kCalendarButton);
  ClickControl(GetDlgItem(window, ids::kDate));
  ASSERT_TRUE(WaitUntil([&] { return FocusOf(window) == GetDlgItem(window, ids::kDate); }));
  EXPECT_EQ(ChildWindowFromPointEx(window, Centre(PlaceInWindow(button)), CWP_SKIPINVISIBLE),
            button);

  ClickControl(button);
  HWND calendar = GetDlgItem(window, ids::kCalendar);
  ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(calendar) != FALSE; }));
  EXPECT_EQ(ClassName(calendar), L"CCalendar");
  EXPECT_EQ(PlaceOf(calendar), (Place{56, 146, 365, 262}));
  EXPECT_EQ(ChildWindowFromPointEx(window, {200, 240}, CWP_SKIPINVISIBLE), calendar);
  std::vector<std::wstring> years = Entries(GetDlgItem(calendar, kYearList));
  ASSERT_EQ(years.size(), 146u);
  EXPECT_TRUE(years[0] == Wide("公历 1902 年"));
  // May 1990 begins on a Tuesday: cells 1 to 31.
  Choose(calendar, kYearList, 1990 - 1902);
  Choose(calendar, kMonthList, 4);
  ASSERT_TRUE(WaitUntil([&] { return CellFills(calendar) == MonthFills(1, 31); }, 10000));
  SaveScreenshot("birthday-window-solar-calendar");
  // A click on the window's background hides the calendar; the button shows it again, on
  // the month it showed.
  Click(window, {20, 300});
  ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(calendar); }));
  Click(window, {20, 300});
  Sleep(200);
  EXPECT_FALSE(IsWindowVisible(calendar));
  ClickControl(button);
  ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(calendar) != FALSE; }));
  EXPECT_EQ(CellFills(calendar), MonthFills(1, 31));

  Click(calendar, CellCentre(20));  // 1990-05-20
  ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(calendar); }));
  EXPECT_EQ(DateBox(program, window), "1990-5-20");
  EXPECT_FALSE(Shown(window, ids::kLeapMonth));

  ClickControl(GetDlgItem(window, ids::kSave));
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(window); }));
  HWND list = GetDlgItem(main, main_ids::kFriendList);
  ASSERT_TRUE(WaitUntil([&] { return SendMessageW(list, LVM_GETITEMCOUNT, 0, 0) == 1; }));
  const char* row[] = {"孙公历", "1990年5月20日", "公历", "21岁", "马", "金牛座", "13912345678"};
  for (int column = 0; column < 7; ++column) {
    EXPECT_TRUE(ListCell(program.Process(), list, 0, column) == Wide(row[column])) << column;
  }
  std::vector<TableFriend> table = ReadTable(program.Folder());
  ASSERT_EQ(table.size(), 1u);
  EXPECT_EQ(table[0].name, "孙公历");
  EXPECT_EQ(table[0].birthday, "1990年5月20日");
  EXPECT_FALSE(table[0].lunar);
  EXPECT_EQ(table[0].contact, "13912345678");
  EXPECT_TRUE(StatusPartText(program.Process(), GetDlgItem(main, main_ids::kStatus), 1) ==
              Wide("当前记录数：1"));
  EXPECT_EQ(program.Close(), 0);
}

TEST(FriendEditing, AddsALunarLeapMonthFriendThroughTheMonthCalendar) {
  ProgramUnderTest program;
  HWND main = program.StartMain();
  ASSERT_NE(main, nullptr);
  HWND window = OpenBirthdayWindow(program, main, ToolbarButton::kAdd);
  ASSERT_NE(window, nullptr);
  ClickControl(GetDlgItem(window, ids::kCalendarButton));
  HWND calendar = GetDlgItem(window, ids::kCalendar);
  ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(calendar) != FALSE; }));

  // Lunar 2023 and its leap second month, 2023-03-22 .. 2023-04-19: the grid starts on
  // Monday 2023-03-20, so the month runs from cell 2 to cell 30.
  Choose(calendar, kYearList, 2023 - 1902);
  HWND months = GetDlgItem(calendar, kMonthList);
  std::vector<std::wstring> entries = Entries(months);
  ASSERT_EQ(entries.size(), 13u);
  EXPECT_TRUE(entries[1] == Wide("二月"));
  EXPECT_TRUE(entries[2] == Wide("闰二月"));
  EXPECT_TRUE(entries[3] == Wide("三月"));
  Choose(calendar, kMonthList, 2);
  ASSERT_TRUE(WaitUntil([&] { return CellFills(calendar) == MonthFills(2, 30); }, 10000));
  EXPECT_EQ(SendMessageW(months, CB_GETCURSEL, 0, 0), 2);

  // The pointer over a day of the month fills it blue; over a grey day it fills nothing.
  auto pointAt = [&](int cell) {
    POINT at = CellCentre(cell);
    ClientToScreen(calendar, &at);
    SetCursorPos(at.x, at.y);
  };
  pointAt(10);
  std::vector<COLORREF> hovered = MonthFills(2, 30);
  hovered[10] = RGB(0, 0, 255);
  EXPECT_TRUE(WaitUntil([&] { return CellFills(calendar) == hovered; }));
  SaveScreenshot("birthday-window-lunar-calendar");
  pointAt(0);
  EXPECT_TRUE(WaitUntil([&] { return CellFills(calendar) == MonthFills(2, 30); }));
  SetCursorPos(0, 0);

  // A grey cell (2023-03-20, still the ordinary second month) does nothing.
  Click(calendar, CellCentre(0));
  Sleep(300);
  EXPECT_TRUE(IsWindowVisible(calendar));
  EXPECT_TRUE(LunarDateBox(window) == Wide("2012年三月廿五"));
  EXPECT_EQ(CellFills(calendar), MonthFills(2, 30));

  Click(calendar, CellCentre(16));  // 2023-04-05, 闰二月十五
  ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(calendar); }));
  EXPECT_TRUE(LunarDateBox(window) == Wide("2023年闰二月十五"));
  EXPECT_TRUE(Shown(window, ids::kLeapMonth));
  EXPECT_TRUE(Checked(GetDlgItem(window, ids::kLeapMonth)));

  SetText(window, ids::kName, "钱闰月");
  ClickControl(GetDlgItem(window, ids::kSave));
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(window); }));
  std::vector<TableFriend> table = ReadTable(program.Folder());
  ASSERT_EQ(table.size(), 1u);
  EXPECT_EQ(table[0].name, "钱闰月");
  EXPECT_EQ(table[0].birthday, "2023年2月15日[闰月]");
  EXPECT_TRUE(table[0].lunar);
  HWND list = GetDlgItem(main, main_ids::kFriendList);
  ASSERT_TRUE(WaitUntil([&] { return SendMessageW(list, LVM_GETITEMCOUNT, 0, 0) == 1; }));
  // The list shows it in lunar words; the table keeps the stored text.
  EXPECT_TRUE(ListCell(program.Process(), list, 0, 1) == Wide("2023年闰二月十五"));
  EXPECT_TRUE(ListCell(program.Process(), list, 0, 2) == Wide("农历"));
  EXPECT_EQ(program.Close(), 0);
}

TEST(FriendEditing, CancelStillRecountsAndAnEmptyNameIsRefused) {
  ProgramUnderTest program;
  HWND main = StartWith(program, {{"周今天", false, "1980年4月15日", false, ""}});
  ASSERT_NE(main, nullptr);
  const std::wstring page = program.Folder() + L"\\" + Wide("最近生日.html");
  ASSERT_TRUE(
      WaitUntil([&] { return GetFileAttributesW(page.c_str()) != INVALID_FILE_ATTRIBUTES; }));

  // 取消 writes nothing, and the upcoming pass still runs: it writes the page again.
  HWND window = OpenBirthdayWindow(program, main, ToolbarButton::kAdd);
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(DeleteFileW(page.c_str()));
  ClickControl(GetDlgItem(window, ids::kCancel));
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(window); }));
  EXPECT_TRUE(
      WaitUntil([&] { return GetFileAttributesW(page.c_str()) != INVALID_FILE_ATTRIBUTES; }));
  EXPECT_EQ(ReadTable(program.Folder()).size(), 1u);

  // With a real mouse and keyboard: 确定 with the name left empty (its hint is no name) says
  // so and keeps the window open with the focus in the name box.
  window = OpenBirthdayWindow(program, main, ToolbarButton::kAdd);
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(WaitUntil([&] { return input::IsActive(window); }));
  ASSERT_TRUE(input::Click(input::CentreOf(GetDlgItem(window, ids::kSave))));
  HWND message = program.WaitForWindow(L"#32770", 5000);
  ASSERT_NE(message, nullptr);
  EXPECT_TRUE(WindowText(message) == Wide("寿辰备忘录"));
  EXPECT_TRUE(MessageBoxText(message) == Wide("请输入姓名")) << Utf8(MessageBoxText(message));
  SaveScreenshot("birthday-window-empty-name");
  ASSERT_TRUE(input::Click(input::CentreOf(GetDlgItem(message, IDOK))));
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(message); }));
  EXPECT_TRUE(IsWindow(window));
  EXPECT_TRUE(WaitUntil([&] { return FocusOf(window) == GetDlgItem(window, ids::kName); }));
  EXPECT_EQ(ReadTable(program.Folder()).size(), 1u);

  // A name typed there is stored; the contact's hint is not.
  ASSERT_TRUE(input::Type("Zhou"));
  ASSERT_TRUE(WaitUntil([&] { return WindowText(GetDlgItem(window, ids::kName)) == L"Zhou"; }));
  ASSERT_TRUE(input::Click(input::CentreOf(GetDlgItem(window, ids::kSave))));
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(window); }));
  std::vector<TableFriend> table = ReadTable(program.Folder());
  ASSERT_EQ(table.size(), 2u);
  EXPECT_EQ(table[1].name, "Zhou");
  EXPECT_EQ(table[1].contact, "");
  EXPECT_EQ(table[1].birthday, "2012年3月25日");
  EXPECT_TRUE(table[1].lunar);
  HWND list = GetDlgItem(main, main_ids::kFriendList);
  ASSERT_TRUE(WaitUntil([&] { return SendMessageW(list, LVM_GETITEMCOUNT, 0, 0) == 2; }));
  EXPECT_TRUE(ListCell(program.Process(), list, 1, 0) == L"Zhou");
  EXPECT_EQ(program.Close(), 0);
}

TEST(FriendEditing, EditsALeapMonthFriendAndSavesItUnchanged) {
  ProgramUnderTest program;
  HWND main = StartWith(program, {{"张三", false, "1980年5月3日", false, "123"},
                                  {"王闰月", false, "2023年2月11日[闰月]", true, "qq 8"},
                                  {"赵六", false, "1990年8月15日", true, ""}});
  ASSERT_NE(main, nullptr);
  HWND list = GetDlgItem(main, main_ids::kFriendList);
  SelectListRows(program.Process(), list, {1});
  HWND window = OpenBirthdayWindow(program, main, ToolbarButton::kEdit);
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(IsWindowEnabled(main));  // editing leaves the main window usable
  EXPECT_TRUE(WindowText(window) == Wide("修改生日"));
  EXPECT_TRUE(WindowText(GetDlgItem(window, ids::kName)) == Wide("王闰月"));
  EXPECT_TRUE(WindowText(GetDlgItem(window, ids::kContact)) == Wide("qq 8"));
  EXPECT_TRUE(Checked(GetDlgItem(window, ids::kLunar)));
  EXPECT_FALSE(Checked(GetDlgItem(window, ids::kSolar)));
  EXPECT_TRUE(LunarDateBox(window) == Wide("2023年闰二月十一"));
  EXPECT_TRUE(Shown(window, ids::kLeapMonth));
  EXPECT_TRUE(Checked(GetDlgItem(window, ids::kLeapMonth)));
  EXPECT_EQ(FocusOf(window), GetDlgItem(window, ids::kName));
  Sleep(500);
  SaveScreenshot("birthday-window-edit");

  const std::vector<TableFriend> before = ReadTable(program.Folder());
  ClickControl(GetDlgItem(window, ids::kSave));
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(window); }));
  const std::vector<TableFriend> after = ReadTable(program.Folder());
  ASSERT_EQ(after.size(), 3u);
  for (size_t i = 0; i < after.size(); ++i) {
    EXPECT_EQ(after[i].name, before[i].name);
    EXPECT_EQ(after[i].birthday, before[i].birthday);
    EXPECT_EQ(after[i].lunar, before[i].lunar);
    EXPECT_EQ(after[i].contact, before[i].contact);
  }
  EXPECT_EQ(after[1].birthday, "2023年2月11日[闰月]");
  EXPECT_TRUE(ListCell(program.Process(), list, 1, 1) == Wide("2023年闰二月十一"));
  EXPECT_EQ(program.Close(), 0);
}

TEST(FriendEditing, AnOpenEditWritesOnlyItsOwnFriend) {
  ProgramUnderTest program;
  // Stored by name: 李四 王五 张三 赵六.
  HWND main = StartWith(program,
                        {{"张三", false, "1980年5月3日", false, ""},
                         {"王五", false, "1985年6月1日", false, ""},
                         {"赵六", false, "1990年8月15日", true, ""},
                         {"李四", false, "1975年1月2日", false, ""}},
                        memo::SortCode::kNameAscending);
  ASSERT_NE(main, nullptr);
  HWND list = GetDlgItem(main, main_ids::kFriendList);
  ASSERT_EQ(ListColumn(program, list, 0), WideNames({"李四", "王五", "张三", "赵六"}));
  SelectListRows(program.Process(), list, {1});
  HWND window = OpenBirthdayWindow(program, main, ToolbarButton::kEdit);
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(WindowText(GetDlgItem(window, ids::kName)) == Wide("王五"));

  // While it is open, 李四 is deleted: 王五 moves up a row.
  SelectListRows(program.Process(), list, {0});
  ClickToolbarButton(program, main, ToolbarButton::kDelete);
  HWND question = program.WaitForWindow(L"#32770", 5000);
  ASSERT_NE(question, nullptr);
  ClickControl(GetDlgItem(question, IDYES));
  ASSERT_TRUE(WaitUntil([&] { return SendMessageW(list, LVM_GETITEMCOUNT, 0, 0) == 3; }));

  // A solar birthday today, picked in the calendar (April 2012 begins on a Sunday, in cell
  // 6): once saved, the upcoming pass lists it.
  SetText(window, ids::kContact, "新号码");
  EXPECT_EQ(DateBox(program, window), "1985-6-1");
  ClickControl(GetDlgItem(window, ids::kCalendarButton));
  HWND calendar = GetDlgItem(window, ids::kCalendar);
  ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(calendar) != FALSE; }));
  Choose(calendar, kYearList, 2012 - 1902);
  Choose(calendar, kMonthList, 3);
  ASSERT_TRUE(WaitUntil([&] { return CellFills(calendar) == MonthFills(6, 35); }, 10000));
  Click(calendar, CellCentre(20));
  ASSERT_TRUE(WaitUntil([&] { return DateBox(program, window) == "2012-4-15"; }));
  HWND upcoming = GetDlgItem(main, main_ids::kUpcomingList);
  EXPECT_EQ(SendMessageW(upcoming, LVM_GETITEMCOUNT, 0, 0), 0);
  ClickControl(GetDlgItem(window, ids::kSave));
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(window); }));
  EXPECT_EQ(ListColumn(program, list, 0), WideNames({"王五", "张三", "赵六"}));
  EXPECT_EQ(ListColumn(program, list, 6), WideNames({"新号码", "", ""}));
  ASSERT_TRUE(WaitUntil([&] { return SendMessageW(upcoming, LVM_GETITEMCOUNT, 0, 0) == 1; }));
  EXPECT_TRUE(ListCell(program.Process(), upcoming, 0, 0) == Wide("王五"));
  std::vector<TableFriend> table = ReadTable(program.Folder());
  ASSERT_EQ(table.size(), 3u);
  EXPECT_EQ(table[0].contact, "");
  EXPECT_EQ(table[1].name, "王五");
  EXPECT_EQ(table[1].birthday, "2012年4月15日");
  EXPECT_EQ(table[1].contact, "新号码");
  EXPECT_EQ(table[2].contact, "");
  EXPECT_EQ(program.Close(), 0);
}

TEST(FriendEditing, DeletesTheSelectedRowsOfASortedListAfterTheQuestion) {
  ProgramUnderTest program;
  // Stored by name: 阿明 李四 钱七 王五 张伟 赵六; 王五's birthday is today.
  HWND main = StartWith(program,
                        {{"张伟", false, "1980年5月3日", false, ""},
                         {"赵六", false, "1980年10月1日", true, ""},
                         {"李四", false, "1979年12月1日", false, ""},
                         {"王五", false, "1990年4月15日", false, ""},
                         {"阿明", false, "1980年5月12日", false, ""},
                         {"钱七", false, "1980年12月31日", false, ""}},
                        memo::SortCode::kNameAscending);
  ASSERT_NE(main, nullptr);
  HWND list = GetDlgItem(main, main_ids::kFriendList);
  HWND upcoming = GetDlgItem(main, main_ids::kUpcomingList);
  ASSERT_TRUE(WaitUntil([&] { return SendMessageW(upcoming, LVM_GETITEMCOUNT, 0, 0) == 1; }));
  const auto all = WideNames({"阿明", "李四", "钱七", "王五", "张伟", "赵六"});
  ASSERT_EQ(ListColumn(program, list, 0), all);

  // No: nothing is deleted.
  SelectListRows(program.Process(), list, {1, 3, 4});
  ClickToolbarButton(program, main, ToolbarButton::kDelete);
  HWND question = program.WaitForWindow(L"#32770", 5000);
  ASSERT_NE(question, nullptr);
  EXPECT_TRUE(WindowText(question) == Wide("寿辰备忘录"));
  const std::wstring text = MessageBoxText(question);
  EXPECT_TRUE(text == Wide("确定要删除李四、王五等3位好友的生日信息吗？")) << Utf8(text);
  EXPECT_NE(GetDlgItem(question, IDYES), nullptr);
  EXPECT_NE(GetDlgItem(question, IDNO), nullptr);
  EXPECT_EQ(GetDlgItem(question, IDCANCEL), nullptr);
  SaveScreenshot("birthday-delete-question");
  ClickControl(GetDlgItem(question, IDNO));
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(question); }));
  Sleep(200);
  EXPECT_EQ(ListColumn(program, list, 0), all);
  EXPECT_EQ(ReadTable(program.Folder()).size(), 6u);

  // Yes: exactly rows 1, 3 and 4 go, from the list and the table, and the upcoming pass
  // drops 王五 at once.
  ClickToolbarButton(program, main, ToolbarButton::kDelete);
  question = program.WaitForWindow(L"#32770", 5000);
  ASSERT_NE(question, nullptr);
  ClickControl(GetDlgItem(question, IDYES));
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(question); }));
  ASSERT_TRUE(WaitUntil([&] { return SendMessageW(list, LVM_GETITEMCOUNT, 0, 0) == 3; }));
  EXPECT_EQ(ListColumn(program, list, 0), WideNames({"阿明", "钱七", "赵六"}));
  EXPECT_EQ(TableNames(program.Folder()), (std::vector<std::string>{"赵六", "阿明", "钱七"}));
  EXPECT_TRUE(WaitUntil([&] { return SendMessageW(upcoming, LVM_GETITEMCOUNT, 0, 0) == 0; }));

  // A friend added takes its place in the sorted list at once.
  HWND window = OpenBirthdayWindow(program, main, ToolbarButton::kAdd);
  ASSERT_NE(window, nullptr);
  SetText(window, ids::kName, "李四");
  ClickControl(GetDlgItem(window, ids::kSave));
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(window); }));
  EXPECT_TRUE(WaitUntil([&] {
    return ListColumn(program, list, 0) == WideNames({"阿明", "李四", "钱七", "赵六"});
  }));
  SaveScreenshot("birthday-added-into-a-sorted-list");
  EXPECT_EQ(program.Close(), 0);
}
