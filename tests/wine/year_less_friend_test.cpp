// A friend from the phone as a user adds one: no year, a 称呼 and a 分组; the list shows the
// 称呼 after the name and no age, the 分组 filter beside the search box keeps her, and the
// greeting calls her by the 称呼.
#include <gtest/gtest.h>

#include "birthday_window_parts.h"
#include "program_under_test.h"
#include "program_windows.h"
#include "remote_controls.h"
#include "sample_friends.h"
#include "ui/window_ids.h"
#include "window_basics.h"

using namespace wine_test;
namespace ids = memo::ui::main_window;
namespace window_ids = memo::ui::birthday_window;

namespace {

bool PopupShown() {
  return WaitUntil([] {
    HWND popup = FindWindowW(L"#32768", nullptr);
    return popup && IsWindowVisible(popup);
  });
}

}  // namespace

TEST(YearLessFriend, AddedWithCalledAsAndGroupFilteredAndGreeted) {
  ProgramUnderTest program;
  ASSERT_TRUE(AddFriends(program.Folder(), {{"张伟", "1980年10月1日", false, "13800000000"}}));
  HWND main = program.StartMainWith(1);
  ASSERT_NE(main, nullptr);
  HWND list = GetDlgItem(main, ids::kFriendList), status = GetDlgItem(main, ids::kStatus);

  HWND window = OpenBirthdayWindow(program, main, ToolbarButton::kAdd);
  ASSERT_NE(window, nullptr);
  ClickControl(GetDlgItem(window, window_ids::kSolar));
  ASSERT_TRUE(WaitUntil([&] { return Shown(window, window_ids::kDate); }));
  SetText(window, window_ids::kName, "王丽");
  ClickControl(GetDlgItem(window, window_ids::kNoYear));
  ASSERT_TRUE(WaitUntil([&] { return Checked(GetDlgItem(window, window_ids::kNoYear)); }));
  SetText(window, window_ids::kCalledAs, "妈妈");
  SetText(window, window_ids::kGroups, "家人");
  SetText(window, window_ids::kNote, "喜欢兰花");
  EXPECT_TRUE(WindowText(GetDlgItem(window, window_ids::kNote)) == Wide("喜欢兰花"));
  PumpMessages(300);
  SaveScreenshot("year-less-friend-window");
  ClickControl(GetDlgItem(window, window_ids::kSave));
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(window); }));

  // Today's date without its year: listed with the 称呼, no age and no 生肖, and upcoming today.
  const std::vector<std::wstring> mother = {
      Wide("王丽（妈妈）"), Wide("4月15日"), Wide("公历"), Wide("—"), L"", Wide("白羊座"), L""};
  ASSERT_TRUE(WaitUntil([&] {
    const ListRows rows = ReadListRows(program.Process(), list);
    return rows.size() == 2 && rows[1] == mother;
  }));
  SaveScreenshot("year-less-friend-list");

  // The 分组 filter: 全部, 家人, ...; 家人 keeps her alone.
  ClickControl(GetDlgItem(main, ids::kGroupFilter));
  ASSERT_TRUE(PopupShown());
  Sleep(300);
  TypeMenuKeys(main, {VK_DOWN, VK_DOWN});
  SaveScreenshot("year-less-friend-group-menu");
  TypeMenuKeys(main, {VK_RETURN});
  EXPECT_TRUE(WaitUntil([&] {
    const ListRows rows = ReadListRows(program.Process(), list);
    return rows.size() == 1 && rows[0] == mother;
  }));
  EXPECT_TRUE(WaitUntil(
      [&] { return StatusPartText(program.Process(), status, 1) == Wide("找到1位好友"); }));
  EXPECT_TRUE(WindowText(GetDlgItem(main, ids::kGroupFilter)) == Wide("分组：家人 ▼"));
  SaveScreenshot("year-less-friend-filtered");

  // The header's own menu shows the 分组 column.
  HWND header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
  ASSERT_EQ(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0), 7);
  RightClick(header, {40, 8});
  ASSERT_TRUE(PopupShown());
  Sleep(300);
  TypeMenuKeys(main, {VK_DOWN, VK_DOWN});
  SaveScreenshot("year-less-friend-header-menu");
  TypeMenuKeys(main, {VK_RETURN});
  EXPECT_TRUE(WaitUntil([&] { return SendMessageW(header, HDM_GETITEMCOUNT, 0, 0) == 8; }));
  EXPECT_TRUE(WaitUntil([&] { return ListCell(program.Process(), list, 0, 8) == Wide("家人"); }));
  PumpMessages(300);
  SaveScreenshot("year-less-friend-groups-column");

  // 复制祝福语 on her row: the 称呼 and no age.
  RightClick(list, Centre(ListRowRect(program.Process(), list, 0)));
  ASSERT_TRUE(PopupShown());
  Sleep(400);
  TypeMenuKeys(main, {VK_UP});
  TypeMenuKeys(main, {VK_RETURN});
  EXPECT_TRUE(WaitUntil([&] {
    return ClipboardText() == Wide("祝妈妈生日快乐，万事如意，心想事成！");
  })) << Utf8(ClipboardText());
  EXPECT_EQ(program.Close(), 0);
}
