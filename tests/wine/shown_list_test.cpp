// The commands on friends act on the list that is shown, with real clicks and keys: deleting
// from the upcoming page, undoing it, the lists' keys and their menu, a date typed into the
// date box and confirmed with Enter, and the days box's balloon.
#include <gtest/gtest.h>

#include "birthday_table.h"
#include "birthday_window_parts.h"
#include "program_under_test.h"
#include "program_windows.h"
#include "real_input.h"
#include "remote_controls.h"
#include "sample_friends.h"
#include "ui/window_ids.h"
#include "window_basics.h"

using namespace wine_test;
namespace main_ids = memo::ui::main_window;
namespace ids = memo::ui::birthday_window;
namespace input = wine_test::real_input;

namespace {

// The main window's pages, by their tabs.
constexpr int kFriendListPage = 0, kUpcomingPage = 1, kReportPage = 2;

// On 2012-04-15 (lunar 三月廿五): 王小明's birthday is today, 孙八's lunar one tomorrow,
// 李娜's not for weeks.
const std::vector<TableFriend> kFriends = {
    {"李娜", false, "1985年6月1日", false, ""},
    {"王小明", false, "1990年4月15日", false, "13912345678"},
    {"孙八", false, "1970年3月26日", true, ""},
};

HWND StartWithFriends(ProgramUnderTest& program) {
  if (!StoreFriends(program.Folder(), kFriends)) return nullptr;
  HWND main = program.StartMainWith(static_cast<int>(kFriends.size()));
  HWND upcoming = GetDlgItem(main, main_ids::kUpcomingList);
  if (!main || !WaitUntil([&] { return SendMessageW(upcoming, LVM_GETITEMCOUNT, 0, 0) == 2; })) {
    return nullptr;
  }
  return main;
}

std::wstring StatusPane(ProgramUnderTest& program, HWND main, int part) {
  return StatusPartText(program.Process(), GetDlgItem(main, main_ids::kStatus), part);
}

bool ToolbarButtonEnabled(ProgramUnderTest& program, HWND main, ToolbarButton button) {
  HWND toolbar = GetDlgItem(main, main_ids::kToolbar);
  const int command = ToolButtons(program.Process(), toolbar)[static_cast<int>(button)].command;
  return SendMessageW(toolbar, TB_ISBUTTONENABLED, command, 0) != 0;
}

HWND WaitForMenu() {
  HWND menu = nullptr;
  WaitUntil([&] {
    menu = FindWindowW(L"#32768", nullptr);
    return menu && IsWindowVisible(menu);
  });
  // A menu just shown does not take keys yet.
  Sleep(400);
  return menu;
}

// Answers the delete question with a click on 是 and gives its text.
std::wstring AnswerYes(ProgramUnderTest& program) {
  HWND question = program.WaitForWindow(L"#32770", 5000);
  if (!question) return L"";
  const std::wstring text = MessageBoxText(question);
  input::Click(input::CentreOf(GetDlgItem(question, IDYES)));
  WaitUntil([&] { return !IsWindow(question); });
  return text;
}

}  // namespace

TEST(ShownList, DeleteOnTheUpcomingPageDeletesItsSelectionAndCtrlZBringsItBack) {
  ProgramUnderTest program;
  HWND main = StartWithFriends(program);
  ASSERT_NE(main, nullptr);
  HWND list = GetDlgItem(main, main_ids::kFriendList);
  HWND upcoming = GetDlgItem(main, main_ids::kUpcomingList);
  // 李娜 stays selected on the hidden friend list.
  input::Click(input::RowCentre(program.Process(), list, 0));
  ASSERT_TRUE(WaitUntil([&] { return StatusPane(program, main, 0).find(Wide("李娜")) == 0; }));
  EXPECT_TRUE(ListCell(program.Process(), list, 2, 1) == Wide("1970年三月廿六"));

  ClickTab(program, GetDlgItem(main, main_ids::kPages), kUpcomingPage);
  ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(upcoming) != FALSE; }));
  EXPECT_TRUE(ListCell(program.Process(), upcoming, 1, 1) == Wide("三月廿六（4月16日）"));
  input::Click(input::RowCentre(program.Process(), upcoming, 0));  // 王小明
  ClickToolbarButton(program, main, ToolbarButton::kDelete);
  const std::wstring question = AnswerYes(program);
  EXPECT_TRUE(question == Wide("确定要删除王小明（1990年4月15日，公历）的生日信息吗？"))
      << Utf8(question);
  ASSERT_TRUE(WaitUntil([&] { return ReadTable(program.Folder()).size() == 2; }));
  EXPECT_EQ(TableNames(program.Folder()), (std::vector<std::string>{"李娜", "孙八"}));
  EXPECT_TRUE(WaitUntil([&] { return SendMessageW(upcoming, LVM_GETITEMCOUNT, 0, 0) == 1; }));
  EXPECT_TRUE(StatusPane(program, main, 0) == Wide("已删除王小明。按 Ctrl+Z 撤销。"))
      << Utf8(StatusPane(program, main, 0));
  SaveScreenshot("shown-list-deleted-from-upcoming");

  // Ctrl+Z: 王小明 is back in his own row, contact and all, and upcoming again.
  ASSERT_TRUE(input::PressKeys("ctrl+z"));
  ASSERT_TRUE(WaitUntil([&] { return ReadTable(program.Folder()).size() == 3; }));
  std::vector<TableFriend> table = ReadTable(program.Folder());
  EXPECT_EQ(table[1].name, "王小明");
  EXPECT_EQ(table[1].birthday, "1990年4月15日");
  EXPECT_EQ(table[1].contact, "13912345678");
  EXPECT_TRUE(WaitUntil([&] { return SendMessageW(upcoming, LVM_GETITEMCOUNT, 0, 0) == 2; }));
  // Once only: a second Ctrl+Z adds nobody.
  ASSERT_TRUE(input::PressKeys("ctrl+z"));
  Sleep(300);
  EXPECT_EQ(ReadTable(program.Folder()).size(), 3u);

  // Deleted again, then stored again by another program (an import) before Ctrl+Z: it is not
  // put back a second time, and the status bar says so.
  input::Click(input::RowCentre(program.Process(), upcoming, 0));
  ClickToolbarButton(program, main, ToolbarButton::kDelete);
  EXPECT_TRUE(AnswerYes(program).find(Wide("王小明")) != std::wstring::npos);
  ASSERT_TRUE(WaitUntil([&] { return ReadTable(program.Folder()).size() == 2; }));
  ASSERT_TRUE(AddFriends(program.Folder(), {{"王小明", "1990年4月15日", false, "13912345678"}}));
  ASSERT_TRUE(input::PressKeys("ctrl+z"));
  EXPECT_TRUE(WaitUntil([&] {
    return StatusPane(program, main, 0) == Wide("王小明已在好友列表中，没有再恢复。");
  })) << Utf8(StatusPane(program, main, 0));
  EXPECT_EQ(TableNames(program.Folder()), (std::vector<std::string>{"李娜", "孙八", "王小明"}));
  SaveScreenshot("shown-list-undo-of-a-friend-stored-again");

  // 查看详情 shows no friends: 编辑 and 删除 are greyed there, and only there.
  EXPECT_TRUE(ToolbarButtonEnabled(program, main, ToolbarButton::kDelete));
  ClickTab(program, GetDlgItem(main, main_ids::kPages), kReportPage);
  ASSERT_TRUE(
      WaitUntil([&] { return !ToolbarButtonEnabled(program, main, ToolbarButton::kEdit); }));
  EXPECT_FALSE(ToolbarButtonEnabled(program, main, ToolbarButton::kDelete));
  SaveScreenshot("shown-list-report-page-greys-edit-and-delete");
  ClickTab(program, GetDlgItem(main, main_ids::kPages), kFriendListPage);
  EXPECT_TRUE(WaitUntil([&] { return ToolbarButtonEnabled(program, main, ToolbarButton::kEdit); }));
  EXPECT_EQ(program.Close(), 0);
}

TEST(ShownList, KeysAndTheMenuWorkInBothLists) {
  ProgramUnderTest program;
  HWND main = StartWithFriends(program);
  ASSERT_NE(main, nullptr);
  HWND list = GetDlgItem(main, main_ids::kFriendList);
  HWND upcoming = GetDlgItem(main, main_ids::kUpcomingList);
  input::Click(input::RowCentre(program.Process(), list, 1));  // 王小明

  // F2 edits the selected friend; Insert and Ctrl+N add.
  const struct {
    const char* keys;
    const char* caption;  // nullptr: the edit window's name box holds 王小明
  } opens[] = {{"F2", nullptr}, {"Insert", "添加好友生日"}, {"ctrl+n", "添加好友生日"}};
  for (const auto& open : opens) {
    SCOPED_TRACE(open.keys);
    ASSERT_TRUE(WaitUntil([&] { return FocusOf(main) == list; }));
    ASSERT_TRUE(input::PressKeys(open.keys));
    HWND window = program.WaitForWindow(memo::ui::kBirthdayWindowClass, 5000);
    ASSERT_NE(window, nullptr);
    if (open.caption) {
      EXPECT_TRUE(WindowText(window) == Wide(open.caption));
    } else {
      EXPECT_TRUE(WindowText(GetDlgItem(window, ids::kName)) == Wide("王小明"));
    }
    ASSERT_TRUE(input::PressKeys("Escape"));
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(window); }));
  }

  // Delete deletes; Shift+F10 opens the menu, whose fourth item 撤销删除 undoes it.
  ASSERT_TRUE(WaitUntil([&] { return FocusOf(main) == list; }));
  ASSERT_TRUE(input::PressKeys("Delete"));
  EXPECT_TRUE(AnswerYes(program).find(Wide("王小明")) != std::wstring::npos);
  ASSERT_TRUE(WaitUntil([&] { return ReadTable(program.Folder()).size() == 2; }));
  ASSERT_TRUE(WaitUntil([&] { return FocusOf(main) == list; }));
  ASSERT_TRUE(input::PressKeys("shift+F10"));
  ASSERT_NE(WaitForMenu(), nullptr);
  SaveScreenshot("shown-list-keyboard-menu");
  ASSERT_TRUE(input::PressKeys("Down Down Down Down Return"));
  ASSERT_TRUE(WaitUntil([&] { return ReadTable(program.Folder()).size() == 3; }));
  EXPECT_EQ(ReadTable(program.Folder())[1].name, "王小明");

  // In the upcoming list: the Menu key opens the same menu, Enter edits its selected friend.
  ClickTab(program, GetDlgItem(main, main_ids::kPages), kUpcomingPage);
  ASSERT_TRUE(WaitUntil([&] { return SendMessageW(upcoming, LVM_GETITEMCOUNT, 0, 0) == 2; }));
  input::Click(input::RowCentre(program.Process(), upcoming, 1));  // 孙八
  ASSERT_TRUE(WaitUntil([&] { return FocusOf(main) == upcoming; }));
  ASSERT_TRUE(input::PressKeys("Menu"));
  ASSERT_NE(WaitForMenu(), nullptr);
  ASSERT_TRUE(input::PressKeys("Escape"));
  ASSERT_TRUE(WaitUntil([] { return !FindWindowW(L"#32768", nullptr); }));
  ASSERT_TRUE(input::PressKeys("Return"));
  HWND window = program.WaitForWindow(memo::ui::kBirthdayWindowClass, 5000);
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(WindowText(GetDlgItem(window, ids::kName)) == Wide("孙八"));
  ASSERT_TRUE(input::PressKeys("Escape"));
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(window); }));
  EXPECT_EQ(program.Close(), 0);
}

TEST(ShownList, EnterSavesTheDayTypedIntoTheDateBox) {
  ProgramUnderTest program;
  ASSERT_TRUE(StoreFriends(program.Folder(), {{"王小明", false, "1990年12月7日", false, ""}}));
  HWND main = program.StartMainWith(1);
  ASSERT_NE(main, nullptr);
  HWND list = GetDlgItem(main, main_ids::kFriendList);
  input::Click(input::RowCentre(program.Process(), list, 0));
  ASSERT_TRUE(WaitUntil([&] { return FocusOf(main) == list; }));
  ASSERT_TRUE(input::PressKeys("F2"));
  HWND window = program.WaitForWindow(memo::ui::kBirthdayWindowClass, 5000);
  ASSERT_NE(window, nullptr);
  HWND date = GetDlgItem(window, ids::kDate);
  ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(date) != FALSE; }));
  ASSERT_EQ(DateBox(program, window), "1990-12-7");

  // A click on the year, then to the day field and "8": the box shows 12月8日 before Enter.
  RECT box;
  GetWindowRect(date, &box);
  ASSERT_TRUE(input::Click({box.left + 12, (box.top + box.bottom) / 2}));
  ASSERT_TRUE(WaitUntil([&] { return FocusOf(window) == date; }));
  ASSERT_TRUE(input::PressKeys("Right Right"));
  ASSERT_TRUE(input::Type("8"));
  Sleep(300);
  SaveScreenshot("shown-list-day-typed");
  ASSERT_TRUE(input::PressKeys("Return"));
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(window); }));
  ASSERT_TRUE(
      WaitUntil([&] { return ReadTable(program.Folder())[0].birthday != "1990年12月7日"; }));
  EXPECT_EQ(ReadTable(program.Folder())[0].birthday, "1990年12月8日");
  EXPECT_EQ(program.Close(), 0);
}
