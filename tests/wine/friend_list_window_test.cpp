// The friend list on screen: filled at start-up in the stored sort order with every friend's
// age, reordered by the sort menu, summarised in the status bar; and start-up with a
// missing or unreadable database.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "program_under_test.h"
#include "program_windows.h"
#include "remote_controls.h"
#include "sample_friends.h"
#include "test_files.h"
#include "tray_area.h"
#include "ui/window_ids.h"
#include "window_basics.h"

using namespace wine_test;
namespace ids = memo::ui::main_window;
using memo::SortCode;

namespace {

// The seven columns of every sample friend on 2012-04-15 (the programs' default date), by name:
// ages in years completed that day (lunar ones by the lunar day), lunar birthdays in lunar
// words.
std::map<std::wstring, std::vector<std::wstring>> ExpectedRows() {
  const char* rows[][7] = {
      {"张伟", "1985年4月15日", "公历", "27岁", "牛", "白羊座", "13800138000"},
      {"王芳", "1990年4月16日", "公历", "21岁", "马", "白羊座", "13912345678"},
      {"李娜", "1976年三月廿八", "农历", "35岁", "龙", "金牛座", "18611112222"},
      {"刘洋", "2001年4月25日", "公历", "10岁", "蛇", "金牛座", ""},
      {"陈静", "1980年10月1日", "公历", "31岁", "猴", "天秤座", "02166668888"},
      {"赵敏", "1992年2月29日", "公历", "20岁", "猴", "双鱼座", "13766667777"},
      {"黄晓明", "2009年闰五月初十", "农历", "2岁", "牛", "巨蟹座", "13500001111"},
      {"周杰", "1980年四月三十", "农历", "31岁", "猴", "双子座", "13611110000"},
      {"吴敏", "1958年4月20日", "公历", "53岁", "狗", "金牛座", ""},
  };
  std::map<std::wstring, std::vector<std::wstring>> byName;
  for (const auto& row : rows) {
    for (const char* cell : row) byName[Wide(row[0])].push_back(Wide(cell));
  }
  return byName;
}

std::vector<std::wstring> Names(std::initializer_list<const char*> names) {
  std::vector<std::wstring> wide;
  for (const char* name : names) wide.push_back(Wide(name));
  return wide;
}

const std::vector<std::wstring> kStoredOrder =
    Names({"张伟", "王芳", "李娜", "刘洋", "陈静", "赵敏", "黄晓明", "周杰", "吴敏"});
// Names in the order of the GBK text, which follows the pinyin of common characters.
const std::vector<std::wstring> kNamesAscending =
    Names({"陈静", "黄晓明", "李娜", "刘洋", "王芳", "吴敏", "张伟", "赵敏", "周杰"});
// The birthdays by their numbers, whatever the calendar: 1980年4月 before 1980年10月.
const std::vector<std::wstring> kBirthdaysAscending =
    Names({"吴敏", "李娜", "周杰", "陈静", "张伟", "王芳", "赵敏", "刘洋", "黄晓明"});

std::vector<std::wstring> Reversed(std::vector<std::wstring> names) {
  std::reverse(names.begin(), names.end());
  return names;
}

std::vector<std::wstring> NameColumn(const ListRows& rows) {
  std::vector<std::wstring> names;
  for (const auto& row : rows) names.push_back(row.empty() ? L"" : row[0]);
  return names;
}

// Every row shows its friend's five columns, ages included.
void ExpectFriendRows(const ListRows& rows, const std::string& context) {
  const auto expected = ExpectedRows();
  for (const auto& row : rows) {
    ASSERT_FALSE(row.empty()) << context;
    auto found = expected.find(row[0]);
    ASSERT_NE(found, expected.end()) << context << ": " << Utf8(row[0]);
    EXPECT_TRUE(row == found->second) << context << ": " << Utf8(row[0]) << " " << Utf8(row[3]);
  }
}

// Fills the program folder with the sample friends.
void AddSampleFriends(ProgramUnderTest& program) {
  ASSERT_TRUE(AddFriends(program.Folder(), kSampleFriends));
}

bool ListShows(ProgramUnderTest& program, HWND list, const std::vector<std::wstring>& names) {
  return WaitUntil([&] { return NameColumn(ReadListRows(program.Process(), list)) == names; });
}

// The visible message boxes of the program.
std::vector<HWND> MessageBoxes(ProgramUnderTest& program) {
  struct Search {
    DWORD process;
    std::vector<HWND> found;
  } search{program.ProcessId(), {}};
  EnumWindows(
      [](HWND window, LPARAM data) {
        auto* search = reinterpret_cast<Search*>(data);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == search->process && IsWindowVisible(window) && ClassName(window) == L"#32770") {
          search->found.push_back(window);
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

}  // namespace

TEST(FriendListWindow, StartsInTheStoredSortOrderWithEveryAge) {
  const std::vector<std::wstring> namesDescending = Reversed(kNamesAscending);
  const std::vector<std::wstring> birthdaysDescending = Reversed(kBirthdaysAscending);
  using settings::StoredSortCode;
  const struct {
    DWORD code;
    const std::vector<std::wstring>* names;  // nullptr: 提醒方式 order, checked by calendar
  } cases[] = {
      {StoredSortCode(SortCode::kStored), &kStoredOrder},
      {StoredSortCode(SortCode::kNameAscending), &kNamesAscending},
      {StoredSortCode(SortCode::kNameDescending), &namesDescending},
      {StoredSortCode(SortCode::kBirthdayAscending), &kBirthdaysAscending},
      {StoredSortCode(SortCode::kBirthdayDescending), &birthdaysDescending},
      {StoredSortCode(SortCode::kCalendar), nullptr},
      // 年龄升序 the youngest first, 年龄降序 the oldest.
      {StoredSortCode(SortCode::kAgeAscending), &birthdaysDescending},
      {StoredSortCode(SortCode::kAgeDescending), &kBirthdaysAscending},
      // Outside the codes: stored order.
      {8, &kStoredOrder},
      {0xFFFFFFFF, &kStoredOrder},
  };
  ProgramUnderTest program;
  AddSampleFriends(program);
  for (const auto& c : cases) {
    const std::string context = "paixu " + std::to_string(static_cast<int>(c.code));
    settings::WriteNumber(L"paixu", c.code);
    HWND main = program.StartMainWith(9);
    ASSERT_NE(main, nullptr) << context;
    HWND list = GetDlgItem(main, ids::kFriendList);
    const ListRows rows = ReadListRows(program.Process(), list);
    ASSERT_EQ(rows.size(), 9u) << context;
    ExpectFriendRows(rows, context);
    if (c.names) {
      EXPECT_TRUE(NameColumn(rows) == *c.names) << context;
    } else {
      // Solar (false) before lunar (true); every friend once.
      std::vector<std::wstring> calendars, names = NameColumn(rows);
      for (const auto& row : rows) calendars.push_back(row[2]);
      EXPECT_TRUE(
          std::is_partitioned(calendars.begin(), calendars.end(),
                              [](const std::wstring& text) { return text == Wide("公历"); }))
          << context;
      std::sort(names.begin(), names.end());
      std::vector<std::wstring> all = kStoredOrder;
      std::sort(all.begin(), all.end());
      EXPECT_TRUE(names == all) << context;
    }
    if (c.code == StoredSortCode(SortCode::kBirthdayAscending)) {
      SaveScreenshot("friend-list-birthdays-ascending");
    }
    EXPECT_EQ(program.Close(), 0);
    // Starting never rewrites the stored order.
    EXPECT_EQ(settings::Read(L"paixu").number, c.code) << context;
  }
}

TEST(FriendListWindow, SortMenuStoresTheOrderAndReloadsSummaryFollowsTheCurrentRow) {
  ProgramUnderTest program;
  AddSampleFriends(program);
  HWND main = program.StartMainWith(9);
  ASSERT_NE(main, nullptr);
  HWND list = GetDlgItem(main, ids::kFriendList);
  HWND upcoming = GetDlgItem(main, ids::kUpcomingList);
  HWND status = GetDlgItem(main, ids::kStatus);
  ASSERT_TRUE(ListShows(program, list, kStoredOrder));
  ASSERT_TRUE(WaitUntil([&] { return ReadListRows(program.Process(), upcoming).size() == 5; }));
  const ListRows upcomingBefore = ReadListRows(program.Process(), upcoming);
  EXPECT_FALSE(settings::Read(L"paixu").exists);

  // 排序方式 > 按姓名 > 姓名降序
  ASSERT_TRUE(ChooseFromSortMenu(main, list, {VK_DOWN, VK_RIGHT, VK_RIGHT, VK_DOWN, VK_RETURN}));
  EXPECT_TRUE(ListShows(program, list, Reversed(kNamesAscending)));
  EXPECT_EQ(settings::Read(L"paixu").type, static_cast<DWORD>(REG_DWORD));
  EXPECT_EQ(settings::Read(L"paixu").number, settings::StoredSortCode(SortCode::kNameDescending));
  ExpectFriendRows(ReadListRows(program.Process(), list), "姓名降序");

  // 排序方式 > 按年龄 > 年龄升序: the youngest first.
  ASSERT_TRUE(
      ChooseFromSortMenu(main, list, {VK_DOWN, VK_RIGHT, VK_UP, VK_UP, VK_RIGHT, VK_RETURN}));
  EXPECT_TRUE(ListShows(program, list, Reversed(kBirthdaysAscending)));
  EXPECT_EQ(settings::Read(L"paixu").number, settings::StoredSortCode(SortCode::kAgeAscending));
  // A re-sort leaves the upcoming list as the last upcoming pass made it.
  EXPECT_TRUE(ReadListRows(program.Process(), upcoming) == upcomingBefore);
  SaveScreenshot("friend-list-sorted-by-age");

  // A click on a row makes it current: its summary in pane 0. In this order row 5 is 陈静.
  EXPECT_TRUE(StatusPartText(program.Process(), status, 0) == Wide("寿辰备忘录！"));
  Click(list, Centre(ListRowRect(program.Process(), list, 5)));
  EXPECT_TRUE(WaitUntil([&] {
    return StatusPartText(program.Process(), status, 0) == Wide("陈静生日：1980年10月1日(公历)");
  })) << Utf8(StatusPartText(program.Process(), status, 0));
  // The keyboard moves the current row too: down to 周杰, a lunar friend.
  PressKey(list, VK_DOWN);
  EXPECT_TRUE(WaitUntil([&] {
    return StatusPartText(program.Process(), status, 0) == Wide("周杰生日：1980年4月30日(农历)");
  })) << Utf8(StatusPartText(program.Process(), status, 0));
  SaveScreenshot("friend-list-row-summary");
  // A summary longer than its pane shows whole in the pane's tip.
  Click(list, Centre(ListRowRect(program.Process(), list, 0)));
  const std::wstring longSummary = Wide("黄晓明生日：2009年5月10日[闰月](农历)");
  EXPECT_TRUE(
      WaitUntil([&] { return StatusPartText(program.Process(), status, 0) == longSummary; }));
  EXPECT_TRUE(StatusPartTip(program.Process(), status, 0) == longSummary)
      << Utf8(StatusPartTip(program.Process(), status, 0));

  // The next start keeps the chosen order.
  EXPECT_EQ(program.Close(), 0);
  main = program.StartMainWith(9);
  ASSERT_NE(main, nullptr);
  EXPECT_TRUE(
      ListShows(program, GetDlgItem(main, ids::kFriendList), Reversed(kBirthdaysAscending)));
  EXPECT_EQ(program.Close(), 0);
}

TEST(FriendListWindow, MissingDatabaseIsCreatedEmpty) {
  ProgramUnderTest program;
  const std::wstring database = program.Folder() + L"\\config.mdb";
  ASSERT_FALSE(FileExists(database));
  HWND main = program.StartMainWith(0);
  ASSERT_NE(main, nullptr);
  EXPECT_TRUE(MessageBoxes(program).empty());
  EXPECT_EQ(ReadListRows(program.Process(), GetDlgItem(main, ids::kFriendList)).size(), 0u);
  EXPECT_EQ(FileBytes(database).substr(0, 16), std::string("SQLite format 3\0", 16));
  // The upcoming pass ran on the empty list: a page that says nobody is coming up.
  const std::wstring page = program.Folder() + L"\\" + Wide("最近生日.html");
  EXPECT_TRUE(WaitUntil([&] { return FileExists(page); }));
  EXPECT_NE(FileBytes(page).find("最近10天内没有好友过生日"), std::string::npos);
  EXPECT_TRUE(WaitUntil([] { return TrayTip() == Wide("最近有0人将要过生日：\r\n"); }))
      << Utf8(TrayTip());
  EXPECT_TRUE(WindowText(GetDlgItem(main, ids::kReportView)).empty());
  SaveScreenshot("friend-list-new-database");
  EXPECT_EQ(program.Close(), 0);
  // The new database is one the tool can use.
  EXPECT_EQ(RunCli({"list", "--db", Gb18030(program.Folder())}), 0);
}

TEST(FriendListWindow, FileThatIsNoDatabaseIsReportedAndLeftAlone) {
  ProgramUnderTest program;
  const std::wstring database = program.Folder() + L"\\config.mdb";
  std::string notADatabase("\0\1\0\0Standard Jet DB\0", 20);
  for (int i = 0; i < 200; ++i) notADatabase += "这不是一个数据库文件。";
  WriteFileBytes(database, notADatabase);
  ASSERT_TRUE(program.Start());

  // Every report is a message box with the system's default caption and an OK button.
  int reports = 0;
  for (int waited = 0, deadline = 8000; waited < deadline; waited += 100) {
    std::vector<HWND> boxes = MessageBoxes(program);
    if (boxes.empty()) {
      Sleep(100);
      continue;
    }
    HWND box = boxes.front();
    std::wstring text = WindowText(GetDlgItem(box, 0xFFFF));
    EXPECT_EQ(text.rfind(Wide("无法打开生日表："), 0), 0u) << Utf8(text);
    EXPECT_TRUE(WindowText(box) == Wide("寿辰备忘录")) << Utf8(WindowText(box));
    if (++reports == 1) SaveScreenshot("friend-list-not-a-database");
    HWND ok = GetDlgItem(box, IDOK);
    ASSERT_NE(ok, nullptr);
    SendMessageW(ok, BM_CLICK, 0, 0);
    deadline = waited + 2500;  // time for a further report
  }
  EXPECT_GE(reports, 1);
  HWND main = program.WaitForWindow(memo::ui::kMainWindowClass);
  ASSERT_NE(main, nullptr);
  HWND status = GetDlgItem(main, ids::kStatus);
  EXPECT_TRUE(StatusPartText(program.Process(), status, 1) == Wide("当前记录数：0"));
  EXPECT_EQ(ReadListRows(program.Process(), GetDlgItem(main, ids::kFriendList)).size(), 0u);
  EXPECT_EQ(program.Close(), 0);
  EXPECT_TRUE(FileBytes(database) == notADatabase);
}
