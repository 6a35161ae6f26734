// The reminder window of the real program: opened at the reminder time on a running clock,
// near the tray without taking the keyboard, its buttons recorded so that a restart shows
// what they asked for and nothing twice; alerts missed while the program was not running.
#include <gtest/gtest.h>

#include "program_under_test.h"
#include "program_windows.h"
#include "real_input.h"
#include "remote_controls.h"
#include "sample_friends.h"
#include "ui/window_ids.h"
#include "window_basics.h"

using namespace wine_test;
namespace ids = memo::ui::reminder_window;
namespace input = wine_test::real_input;

namespace {

// On 2012-04-15: a birthday that day, one the next day, one in 7 days.
const std::vector<SampleFriend> kFriends = {
    {"王小明", "1980年4月15日", false, "13800138000"},
    {"李四", "1990年4月16日", false, ""},
    {"张三", "1972年4月22日", false, ""},
};

using Cells = std::vector<std::wstring>;

Cells WideCells(std::initializer_list<const char*> cells) {
  Cells wide;
  for (const char* cell : cells) wide.push_back(Wide(cell));
  return wide;
}

HWND ReminderWindow(ProgramUnderTest& program, int timeoutMs = 15000) {
  return program.WaitForWindow(memo::ui::kReminderWindowClass, timeoutMs);
}

// Waits for the window's list to show this many rows, and gives them.
ListRows RowsOnceThere(ProgramUnderTest& program, HWND window, size_t count) {
  HWND list = GetDlgItem(window, ids::kAlerts);
  ListRows rows;
  WaitUntil([&] { return (rows = ReadListRows(program.Process(), list)).size() == count; });
  return rows;
}

}  // namespace

TEST(ReminderWindow, OpensAtTheSetTimeAndItsButtonsRecord) {
  ProgramUnderTest program;
  // 提前提醒 当天 alone, so that nothing is due before 09:00.
  settings::WriteNumber(L"tiqiantixing", 1);
  ASSERT_TRUE(AddFriends(program.Folder(), {{"王小明", "1980年4月15日", false, "13800138000"},
                                            {"李四", "1990年4月15日", false, ""},
                                            {"张三", "1972年4月15日", false, ""}}));
  StartOptions options;
  options.reminders = true;
  options.now = "2012-04-15T08:59:57";
  HWND main = program.StartMainWith(3, options);
  ASSERT_NE(main, nullptr);
  HWND window = ReminderWindow(program);
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_NE(GetForegroundWindow(), window);  // the keyboard stays where it was
  RECT place{}, work{};
  GetWindowRect(window, &place);
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  EXPECT_GT(place.right, work.right - 40);  // near the tray
  EXPECT_GT(place.bottom, work.bottom - 40);
  const ListRows rows = RowsOnceThere(program, window, 3);
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0], WideCells({"王小明", "4月15日", "32岁", "今天生日", "13800138000", ""}));
  EXPECT_EQ(rows[1], WideCells({"李四", "4月15日", "22岁", "今天生日", "", ""}));
  EXPECT_EQ(rows[2], WideCells({"张三", "4月15日", "40岁（四十岁整生日）", "今天生日", "", ""}));
  PumpMessages(500);
  SaveScreenshot("reminder-window");

  ClickControl(GetDlgItem(window, ids::kCopyGreeting));  // the first row's friend
  EXPECT_TRUE(WaitUntil([] { return ClipboardText().find(L"小明") != std::wstring::npos; }))
      << Utf8(ClipboardText());
  HWND list = GetDlgItem(window, ids::kAlerts);
  SelectListRows(program.Process(), list, {1});
  ClickControl(GetDlgItem(window, ids::kGreeted));
  EXPECT_EQ(RowsOnceThere(program, window, 2).size(), 2u);
  SelectListRows(program.Process(), list, {0});
  ClickControl(GetDlgItem(window, ids::kSnooze));
  HWND menu = nullptr;
  ASSERT_TRUE(WaitUntil([&] {
    menu = FindWindowW(L"#32768", nullptr);
    return menu && IsWindowVisible(menu);
  }));
  Sleep(400);  // a menu just shown does not take clicks yet
  // 10分钟, the first of its four items: the middle of its top quarter.
  RECT items{};
  GetWindowRect(menu, &items);
  EXPECT_TRUE(
      input::Click({(items.left + items.right) / 2, items.top + (items.bottom - items.top) / 8}));
  EXPECT_EQ(RowsOnceThere(program, window, 1).size(), 1u);
  ClickControl(GetDlgItem(window, ids::kDone));  // nothing selected: every row
  EXPECT_TRUE(WaitUntil([&] { return !IsWindow(window); }));
  EXPECT_EQ(program.Close(), 0);

  // Later: the snooze comes back once; the greeted and the closed alerts do not.
  options.now = "2012-04-15T09:20:00";
  ASSERT_NE(program.StartMainWith(3, options), nullptr);
  window = ReminderWindow(program);
  ASSERT_NE(window, nullptr);
  const ListRows later = RowsOnceThere(program, window, 1);
  ASSERT_EQ(later.size(), 1u);
  EXPECT_EQ(later[0].front(), Wide("王小明"));
  EXPECT_EQ(later[0].back(), Wide("稍后提醒"));
  EXPECT_EQ(program.Close(), 0);
  ASSERT_NE(program.StartMainWith(3, options), nullptr);
  EXPECT_EQ(ReminderWindow(program, 3000), nullptr) << "shown twice";
  EXPECT_EQ(program.Close(), 0);
}

TEST(ReminderWindow, ShowsTheAlertsMissedWhileTheProgramWasNotRunning) {
  ProgramUnderTest program;
  ASSERT_TRUE(AddFriends(program.Folder(), kFriends));
  StartOptions options;
  options.reminders = true;
  options.now = "2012-04-17T08:00:00";  // two days off
  HWND main = program.StartMainWith(3, options);
  ASSERT_NE(main, nullptr);
  HWND window = ReminderWindow(program);
  ASSERT_NE(window, nullptr);
  const ListRows rows = RowsOnceThere(program, window, 3);
  ASSERT_EQ(rows.size(), 3u);
  EXPECT_EQ(rows[0], WideCells({"王小明", "4月15日", "32岁", "已过2天", "13800138000",
                                "错过的提醒（4月15日的提醒）"}));
  EXPECT_EQ(rows[1].back(), Wide("错过的提醒（4月16日的提醒）"));
  EXPECT_EQ(rows[2].back(), Wide("错过的提醒（4月15日的提醒）"));
  // Above the main window, which opened before it.
  HWND above = window;
  while ((above = GetWindow(above, GW_HWNDPREV)) != nullptr) EXPECT_NE(above, main);
  PumpMessages(500);
  SaveScreenshot("reminder-window-missed");
  EXPECT_EQ(program.Close(), 0);
}
