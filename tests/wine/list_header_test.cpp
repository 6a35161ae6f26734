// The friend list's column headers sort it, as a click on a header does in every Windows
// list: the sort menu's orders, stored the same way, a second click the other way round.
#include <gtest/gtest.h>

#include <algorithm>

#include "program_under_test.h"
#include "real_input.h"
#include "remote_controls.h"
#include "sample_friends.h"
#include "ui/window_ids.h"
#include "window_basics.h"

using namespace wine_test;
namespace ids = memo::ui::main_window;
using memo::SortCode;

TEST(ListHeader, ClicksOnTheNameHeaderSortBothWaysAndAreStored) {
  ProgramUnderTest program;
  ASSERT_TRUE(AddFriends(program.Folder(), kSampleFriends));
  HWND main = program.StartMainWith(9);
  ASSERT_NE(main, nullptr);
  HWND list = GetDlgItem(main, ids::kFriendList);
  HWND header = FindWindowExW(list, nullptr, L"SysHeader32", nullptr);
  ASSERT_NE(header, nullptr);
  RECT place;
  GetWindowRect(header, &place);
  // Inside 姓名, the first column, 100 pixels wide.
  const POINT name = {place.left + 30, (place.top + place.bottom) / 2};
  const auto firstName = [&] {
    const ListRows rows = ReadListRows(program.Process(), list);
    return rows.size() == 9 ? rows[0][0] : L"";
  };
  const struct {
    SortCode code;
    const char* first;
  } clicks[] = {{SortCode::kNameAscending, "陈静"}, {SortCode::kNameDescending, "周杰"}};
  for (const auto& click : clicks) {
    // Apart, as a person clicks twice, not a double click.
    Sleep(GetDoubleClickTime() + 100);
    ASSERT_TRUE(real_input::Click(name));
    EXPECT_TRUE(WaitUntil([&] { return firstName() == Wide(click.first); })) << Utf8(firstName());
    EXPECT_EQ(settings::Read(L"paixu").number, settings::StoredSortCode(click.code));
  }
  SaveScreenshot("friend-list-header-name-descending");

  // The upcoming list, by its 姓名 header: its five friends in pinyin order.
  HWND upcoming = GetDlgItem(main, ids::kUpcomingList);
  ASSERT_TRUE(real_input::PressKeys("ctrl+Tab"));
  ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(upcoming) != FALSE; }));
  HWND upcomingHeader = FindWindowExW(upcoming, nullptr, L"SysHeader32", nullptr);
  GetWindowRect(upcomingHeader, &place);
  Sleep(GetDoubleClickTime() + 100);
  ASSERT_TRUE(real_input::Click({place.left + 30, (place.top + place.bottom) / 2}));
  std::vector<std::wstring> names, sorted;
  EXPECT_TRUE(WaitUntil([&] {
    names.clear();
    for (const auto& row : ReadListRows(program.Process(), upcoming)) names.push_back(row[0]);
    sorted = names;
    // Names of common characters: their pinyin order is the order of their GBK bytes.
    std::sort(sorted.begin(), sorted.end(),
              [](const std::wstring& a, const std::wstring& b) { return Gb18030(a) < Gb18030(b); });
    return names.size() == 5 && names == sorted;
  }));
  SaveScreenshot("upcoming-list-header-name");
  EXPECT_EQ(program.Close(), 0);
}
