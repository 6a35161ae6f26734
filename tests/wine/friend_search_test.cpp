// The friend list's search box, typed into as a person does: Ctrl+F puts the focus there,
// the list narrows as the text grows, the status bar counts what it shows, and Escape
// brings every friend back.
#include <gtest/gtest.h>

#include "program_under_test.h"
#include "real_input.h"
#include "remote_controls.h"
#include "sample_friends.h"
#include "ui/window_ids.h"
#include "window_basics.h"

using namespace wine_test;
namespace ids = memo::ui::main_window;

namespace {

std::vector<std::wstring> NameColumn(const ListRows& rows) {
  std::vector<std::wstring> names;
  for (const auto& row : rows) names.push_back(row.empty() ? L"" : row[0]);
  return names;
}

}  // namespace

TEST(FriendSearch, TypedInitialsNarrowTheListAndEscapeRestoresIt) {
  ProgramUnderTest program;
  ASSERT_TRUE(AddFriends(program.Folder(), kSampleFriends));
  HWND main = program.StartMainWith(9);
  ASSERT_NE(main, nullptr);
  HWND list = GetDlgItem(main, ids::kFriendList);
  HWND box = GetDlgItem(main, ids::kSearchBox);
  HWND status = GetDlgItem(main, ids::kStatus);
  ASSERT_NE(box, nullptr);
  const auto shows = [&](size_t count) {
    return WaitUntil([&] { return ReadListRows(program.Process(), list).size() == count; });
  };
  const auto countText = [&] { return StatusPartText(program.Process(), status, 1); };
  ASSERT_TRUE(shows(9));

  // The focus on the list, then Ctrl+F and the initials of 张伟.
  ASSERT_TRUE(real_input::Click(real_input::RowCentre(program.Process(), list, 0)));
  ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == main; }));
  ASSERT_TRUE(real_input::PressKeys("ctrl+f"));
  ASSERT_TRUE(real_input::Type("zw"));
  ASSERT_TRUE(shows(1));
  EXPECT_TRUE(NameColumn(ReadListRows(program.Process(), list)) ==
              std::vector<std::wstring>{Wide("张伟")});
  EXPECT_TRUE(WaitUntil([&] { return countText() == Wide("找到1位好友"); })) << Utf8(countText());
  EXPECT_TRUE(WindowText(box) == L"zw");
  SaveScreenshot("friend-search-zw");

  // Escape empties the box: every friend and the usual count again.
  ASSERT_TRUE(real_input::PressKeys("Escape"));
  ASSERT_TRUE(shows(9));
  EXPECT_TRUE(WaitUntil([&] { return countText() == Wide("当前记录数：9"); })) << Utf8(countText());
  EXPECT_TRUE(WindowText(box).empty());
  EXPECT_EQ(program.Close(), 0);
}
