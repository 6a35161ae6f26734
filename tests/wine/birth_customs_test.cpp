// The customs on screen, as a new user meets them: the 生肖 and 星座 columns, 年龄显示 in the
// settings and the lists, a 七十大寿 coming up, and 复制祝福语 pasted into a text box.
#include <gtest/gtest.h>

#include "host_window.h"
#include "program_under_test.h"
#include "program_windows.h"
#include "remote_controls.h"
#include "sample_friends.h"
#include "test_files.h"
#include "ui/window_ids.h"
#include "window_basics.h"

using namespace wine_test;
namespace ids = memo::ui::main_window;
namespace settings_ids = memo::ui::settings_window;

namespace {

std::vector<std::wstring> WideCells(std::initializer_list<const char*> cells) {
  std::vector<std::wstring> wide;
  for (const char* cell : cells) wide.push_back(Wide(cell));
  return wide;
}

bool RowIs(ProgramUnderTest& program, HWND list, std::initializer_list<const char*> cells) {
  return WaitUntil([&] {
    const ListRows rows = ReadListRows(program.Process(), list);
    return !rows.empty() && rows[0] == WideCells(cells);
  });
}

}  // namespace

TEST(BirthCustoms, ColumnsAgeFormMilestoneAndGreetingPastedIntoATextBox) {
  ProgramUnderTest program;
  // On 2012-04-15: her 70th birthday in 3 days; lunar 2012 is her 71st year.
  ASSERT_TRUE(AddFriends(program.Folder(), {{"王奶奶", "1942年4月18日", false, "13800000000"}}));
  HWND main = program.StartMainWith(1);
  ASSERT_NE(main, nullptr);
  HWND list = GetDlgItem(main, ids::kFriendList), upcoming = GetDlgItem(main, ids::kUpcomingList);
  EXPECT_TRUE(RowIs(program, list,
                    {"王奶奶", "1942年4月18日", "公历", "69岁", "马", "白羊座", "13800000000"}));
  EXPECT_TRUE(
      RowIs(program, upcoming,
            {"王奶奶", "4月18日", "公历", "70岁（七十大寿）", "13800000000", "还有3天过生日"}));
  EXPECT_TRUE(ColumnsFit(program.Process(), list));
  SaveScreenshot("customs-friend-list");

  // 年龄显示: 两者.
  HWND settings =
      OpenFromToolbar(program, main, ToolbarButton::kSettings, memo::ui::kSettingsWindowClass);
  ASSERT_NE(settings, nullptr);
  ClickTab(program, GetDlgItem(settings, settings_ids::kTab), 1);
  HWND both = GetDlgItem(settings, settings_ids::kBothAges);
  ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(both) != FALSE; }));
  EXPECT_TRUE(Checked(GetDlgItem(settings, settings_ids::kFullYears)));
  ClickControl(both);
  ASSERT_TRUE(WaitUntil([&] { return Checked(both); }));
  EXPECT_FALSE(Checked(GetDlgItem(settings, settings_ids::kFullYears)));
  SaveScreenshot("customs-settings-age-form");
  ClickControl(GetDlgItem(settings, settings_ids::kSavePersonal));
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(settings); }));
  EXPECT_EQ(settings::Read(L"nianling").number, 2u);
  EXPECT_TRUE(
      RowIs(program, list,
            {"王奶奶", "1942年4月18日", "公历", "69岁（虚岁71）", "马", "白羊座", "13800000000"}));
  EXPECT_TRUE(RowIs(
      program, upcoming,
      {"王奶奶", "4月18日", "公历", "70岁（虚岁71）（七十大寿）", "13800000000", "还有3天过生日"}));
  SaveScreenshot("customs-friend-list-both-ages");
  EXPECT_NE(FileBytes(program.Folder() + L"\\" + Wide("最近生日.html")).find("（七十大寿）"),
            std::string::npos);

  ClickTab(program, GetDlgItem(main, ids::kPages), 2);
  PumpMessages(500);
  SaveScreenshot("customs-report-view");

  // 复制祝福语 on the upcoming list's row.
  ClickTab(program, GetDlgItem(main, ids::kPages), 1);
  ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(upcoming) != FALSE; }));
  SaveScreenshot("customs-upcoming-list");
  RightClick(upcoming, Centre(ListRowRect(program.Process(), upcoming, 0)));
  ASSERT_TRUE(WaitUntil([] {
    HWND popup = FindWindowW(L"#32768", nullptr);
    return popup && IsWindowVisible(popup);
  }));
  Sleep(400);
  TypeMenuKeys(main, {VK_UP});  // the menu's last item
  SaveScreenshot("customs-greeting-menu");
  TypeMenuKeys(main, {VK_RETURN});
  const std::wstring greeting = Wide("祝王奶奶七十大寿快乐，福如东海，寿比南山！");
  EXPECT_TRUE(WaitUntil([&] { return ClipboardText() == greeting; }));
  HWND status = GetDlgItem(main, ids::kStatus);
  EXPECT_TRUE(WaitUntil(
      [&] { return StatusPartText(program.Process(), status, 0) == Wide("已复制祝福语"); }));

  HWND host = HostWindow(L"messenger", {420, 420, 900, 520});
  HWND box = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"", WS_CHILD | WS_VISIBLE, 10, 10, 440, 28,
                             host, nullptr, nullptr, nullptr);
  SendMessageW(box, WM_PASTE, 0, 0);
  EXPECT_TRUE(WindowText(box) == greeting);
  PumpMessages(300);
  SaveScreenshot("customs-greeting-pasted");
  DestroyWindow(host);
  EXPECT_EQ(program.Close(), 0);
}
