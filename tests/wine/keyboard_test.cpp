// The keyboard as in other Windows programs, typed for real (see real_input.h): Enter presses
// 确定 (drawn as the default button) or the focused button, Escape presses 取消, closes the
// open calendar first and closes the About window; Enter and Delete work the friend list;
// Ctrl+Tab turns the pages. (Wine draws focus marks always and keeps no state of them, so
// showing them after keyboard use is seen on Windows only.)
#include <gtest/gtest.h>

#include "birthday_table.h"
#include "program_under_test.h"
#include "program_windows.h"
#include "real_input.h"
#include "real_use.h"
#include "remote_controls.h"
#include "sample_friends.h"
#include "ui/window_ids.h"
#include "window_basics.h"

using namespace wine_test;
namespace input = wine_test::real_input;
namespace main_ids = memo::ui::main_window;
namespace birthday_ids = memo::ui::birthday_window;
namespace settings_ids = memo::ui::settings_window;

namespace {

bool DrawnAsDefault(HWND button) {
  return (GetWindowLongW(button, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
}

bool FocusIn(HWND window, int id) {
  return WaitUntil([&] { return FocusOf(window) == GetDlgItem(window, id); });
}

int CurrentPage(HWND tab) {
  return static_cast<int>(SendMessageW(tab, TCM_GETCURSEL, 0, 0));
}

}  // namespace

TEST(Keyboard, BirthdayWindowTakesEnterEscapeAndTheFocusedButton) {
  ProgramUnderTest program;
  ASSERT_TRUE(StoreFriends(program.Folder(), {{"张三", false, "1980年5月3日", false, ""}}));
  HWND main = StartMainActive(program, 1);
  ASSERT_NE(main, nullptr);
  const POINT add = ToolbarButtonCentre(program, main, ToolbarButton::kAdd);
  const auto open = [&] {
    EXPECT_TRUE(input::Click(add));
    HWND window = Opened(program, memo::ui::kBirthdayWindowClass);
    if (window) {
      EXPECT_TRUE(FocusIn(window, birthday_ids::kName));
    }
    return window;
  };
  {
    SCOPED_TRACE("Escape cancels");
    HWND window = open();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(DrawnAsDefault(GetDlgItem(window, birthday_ids::kSave)));
    EXPECT_FALSE(DrawnAsDefault(GetDlgItem(window, birthday_ids::kCancel)));
    EXPECT_TRUE(input::Type("Ann"));
    EXPECT_TRUE(input::PressKeys("Escape"));
    ExpectGoneAndMainActive(window, main);
  }
  {
    SCOPED_TRACE("Enter on the focused 取消");
    HWND window = open();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(input::Type("Bob"));
    EXPECT_TRUE(input::PressKeys("shift+Tab"));
    EXPECT_TRUE(FocusIn(window, birthday_ids::kCancel));
    EXPECT_TRUE(DrawnAsDefault(GetDlgItem(window, birthday_ids::kCancel)));
    EXPECT_FALSE(DrawnAsDefault(GetDlgItem(window, birthday_ids::kSave)));
    SaveScreenshot("keyboard-birthday-window-cancel-focused");
    EXPECT_TRUE(input::PressKeys("Return"));
    ExpectGoneAndMainActive(window, main);
  }
  {
    SCOPED_TRACE("Escape closes the calendar first, Enter saves");
    HWND window = open();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(input::Type("Cyd"));
    HWND calendar = GetDlgItem(window, birthday_ids::kCalendar);
    ClickOn(window, birthday_ids::kCalendarButton);
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(calendar) != FALSE; }));
    EXPECT_TRUE(input::PressKeys("Escape"));
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(calendar); }));
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_TRUE(FocusIn(window, birthday_ids::kDate));
    EXPECT_TRUE(input::PressKeys("Return"));
    ExpectGoneAndMainActive(window, main);
  }
  EXPECT_EQ(TableNames(program.Folder()), (std::vector<std::string>{"张三", "Cyd"}));
  EXPECT_EQ(program.Close(), 0);
}

TEST(Keyboard, SettingsWindowTakesEnterEscapeAndCtrlTab) {
  ProgramUnderTest program;
  ASSERT_TRUE(AddFriends(program.Folder(), kSampleFriends));
  HWND main = StartMainActive(program, 9);
  ASSERT_NE(main, nullptr);
  HWND upcoming = GetDlgItem(main, main_ids::kUpcomingList);
  ASSERT_TRUE(WaitUntil([&] { return ReadListRows(program.Process(), upcoming).size() == 5; }));
  const POINT settingsButton = ToolbarButtonCentre(program, main, ToolbarButton::kSettings);
  const auto open = [&] {
    EXPECT_TRUE(input::Click(settingsButton));
    HWND window = Opened(program, memo::ui::kSettingsWindowClass);
    if (window) {
      EXPECT_TRUE(FocusIn(window, settings_ids::kDays));
    }
    return window;
  };
  {
    SCOPED_TRACE("Enter saves the days and the upcoming pass counts them");
    HWND window = open();
    ASSERT_NE(window, nullptr);
    HWND save = GetDlgItem(window, settings_ids::kSaveDays);
    EXPECT_TRUE(DrawnAsDefault(save));
    // A check box with the focus leaves 确定 the default; a push button takes its place. The
    // log-on box comes after 提醒时间, the sound box and the six ticks.
    EXPECT_TRUE(input::PressKeys("Tab Tab Tab Tab Tab Tab Tab Tab Tab"));
    EXPECT_TRUE(FocusIn(window, settings_ids::kLogOnBox));
    EXPECT_TRUE(DrawnAsDefault(save));
    EXPECT_TRUE(input::PressKeys("Tab"));
    EXPECT_TRUE(FocusIn(window, settings_ids::kSaveDays));
    // Back over the log-on box, the reminder page's boxes and 提醒时间 to the days.
    EXPECT_TRUE(input::PressKeys(
        "shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab "
        "shift+Tab shift+Tab"));
    EXPECT_TRUE(FocusIn(window, settings_ids::kDays));
    EXPECT_TRUE(input::Type("40"));
    EXPECT_TRUE(input::PressKeys("Return"));
    ExpectGoneAndMainActive(window, main);
    EXPECT_EQ(settings::Read(L"tianshuo").number, 40u);
    // 周杰's lunar 4月30日 is 35 days away.
    EXPECT_TRUE(WaitUntil([&] { return ReadListRows(program.Process(), upcoming).size() == 6; }));
  }
  {
    SCOPED_TRACE("Escape saves nothing");
    HWND window = open();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(input::Type("3"));
    EXPECT_TRUE(input::PressKeys("Escape"));
    ExpectGoneAndMainActive(window, main);
    EXPECT_EQ(settings::Read(L"tianshuo").number, 40u);
  }
  {
    SCOPED_TRACE("Ctrl+Tab turns the pages; Enter saves the page shown");
    HWND window = open();
    ASSERT_NE(window, nullptr);
    HWND tab = GetDlgItem(window, settings_ids::kTab);
    EXPECT_TRUE(input::PressKeys("ctrl+Tab"));
    EXPECT_TRUE(WaitUntil([&] { return CurrentPage(tab) == 1; }));
    EXPECT_TRUE(FocusIn(window, settings_ids::kTitle));
    EXPECT_TRUE(input::PressKeys("ctrl+Tab"));
    EXPECT_TRUE(WaitUntil([&] { return CurrentPage(tab) == 2; }));
    EXPECT_TRUE(input::PressKeys("ctrl+shift+Tab"));
    EXPECT_TRUE(WaitUntil([&] { return CurrentPage(tab) == 1; }));
    EXPECT_TRUE(IsWindowVisible(GetDlgItem(window, settings_ids::kSavePersonal)));
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(window, settings_ids::kSaveDays)));
    SaveScreenshot("keyboard-settings-second-page");
    EXPECT_FALSE(settings::Read(L"biaoti").exists);
    EXPECT_TRUE(input::PressKeys("Return"));
    ExpectGoneAndMainActive(window, main);
    EXPECT_TRUE(settings::Read(L"biaoti").exists);
  }
  {
    SCOPED_TRACE("Escape closes the About window");
    EXPECT_TRUE(input::Click(ToolbarButtonCentre(program, main, ToolbarButton::kAbout)));
    HWND window = Opened(program, memo::ui::kSettingsWindowClass);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(input::PressKeys("Escape"));
    ExpectGoneAndMainActive(window, main);
  }
  EXPECT_EQ(program.Close(), 0);
}

TEST(Keyboard, FriendListTakesEnterAndDeleteAndCtrlTabTurnsThePages) {
  ProgramUnderTest program;
  ASSERT_TRUE(AddFriends(program.Folder(), kSampleFriends));
  HWND main = StartMainActive(program, 9);
  ASSERT_NE(main, nullptr);
  HWND list = GetDlgItem(main, main_ids::kFriendList);
  HWND status = GetDlgItem(main, main_ids::kStatus);
  ASSERT_TRUE(input::Click(input::RowCentre(program.Process(), list, 1)));
  ASSERT_TRUE(WaitUntil([&] {
    return StatusPartText(program.Process(), status, 0) == Wide("王芳生日：1990年4月16日(公历)");
  }));

  EXPECT_TRUE(input::PressKeys("Return"));
  HWND window = Opened(program, memo::ui::kBirthdayWindowClass);
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(WindowText(GetDlgItem(window, birthday_ids::kName)) == Wide("王芳"));
  // The list shows its selection without the focus: the row the window edits.
  Sleep(300);
  SaveScreenshot("keyboard-list-selection-without-focus");
  EXPECT_TRUE(input::PressKeys("Escape"));
  ExpectGoneAndMainActive(window, main);
  EXPECT_TRUE(WaitUntil([&] { return FocusOf(main) == list; }));

  EXPECT_TRUE(input::PressKeys("Delete"));
  HWND question = Opened(program, L"#32770");
  ASSERT_NE(question, nullptr);
  EXPECT_NE(WindowText(GetDlgItem(question, 0xFFFF)).find(Wide("王芳（")), std::wstring::npos);
  EXPECT_TRUE(input::PressKeys("Return"));  // 是
  ExpectGoneAndMainActive(question, main);
  // The status bar follows: one friend fewer, and how to undo it instead of the summary of
  // the friend gone.
  EXPECT_TRUE(WaitUntil(
      [&] { return StatusPartText(program.Process(), status, 1) == Wide("当前记录数：8"); }));
  EXPECT_TRUE(StatusPartText(program.Process(), status, 0) == Wide("已删除王芳。按 Ctrl+Z 撤销。"));
  EXPECT_EQ(ReadListRows(program.Process(), list).size(), 8u);
  EXPECT_EQ(ReadTable(program.Folder()).size(), 8u);
  SaveScreenshot("keyboard-list-after-delete");

  HWND pages = GetDlgItem(main, main_ids::kPages);
  const struct {
    const char* keys;
    int page;
  } turns[] = {{"ctrl+Tab", 1}, {"ctrl+Tab", 2}, {"ctrl+shift+Tab", 1},
               {"ctrl+Tab", 2}, {"ctrl+Tab", 0}, {"ctrl+shift+Tab", 2}};
  for (const auto& turn : turns) {
    EXPECT_TRUE(input::PressKeys(turn.keys));
    EXPECT_TRUE(WaitUntil([&] { return CurrentPage(pages) == turn.page; })) << turn.keys;
  }
  EXPECT_TRUE(IsWindowVisible(GetDlgItem(main, main_ids::kReportView)));
  EXPECT_FALSE(IsWindowVisible(list));
  EXPECT_EQ(program.Close(), 0);
}
