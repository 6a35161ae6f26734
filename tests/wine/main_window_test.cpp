// The main window against its design: frame, controls, toolbar, pages, lists, status bar and
// the sort menu; its caption from the stored title.
#include <gtest/gtest.h>

#include "design_check.h"
#include "program_under_test.h"
#include "program_windows.h"
#include "remote_controls.h"
#include "ui/window_ids.h"
#include "window_basics.h"

using namespace wine_test;
namespace ids = memo::ui::main_window;
using memo::SortCode;

TEST(MainWindow, ControlsToolbarPagesListsAndStatusBarFollowTheDesign) {
  ProgramUnderTest program;
  HWND main = program.StartMain();
  ASSERT_NE(main, nullptr);
  EXPECT_TRUE(WindowText(main) == Wide("寿辰备忘录"));
  ExpectWindowFrame(main, 680, 520);
  EXPECT_TRUE(GetWindowLongW(main, GWL_STYLE) & WS_MINIMIZEBOX);
  EXPECT_EQ(GetMenu(main), nullptr);  // the sort menu's top item is never a menu bar

  // Places in the client area: the page controls' places are relative to the page control
  // at (0, 80). The toolbar grows from 28 to 80 to hold its 50 x 50 images with captions.
  const ExpectedControl controls[] = {
      {ids::kToolbar, L"ToolbarWindow32", nullptr, 0, 0, 674, 80},
      {ids::kPicture, L"BirthdayMemoPicture", nullptr, 496, 6, 168, 88},
      {ids::kPages, L"SysTabControl32", nullptr, 0, 80, 680, 392},
      {ids::kStatus, L"msctls_statusbar32", nullptr, 0, 472, 674, 20},
      {ids::kSearchBox, L"Edit", nullptr, 1, 108, 200, 22},
      {ids::kFriendList, L"SysListView32", nullptr, 1, 132, 672, 342},
      {ids::kUpcomingList, L"SysListView32", nullptr, 1, 108, 672, 368, false},
      {ids::kReportView, L"RICHEDIT50W", nullptr, 2, 104, 672, 368, false},
  };
  ExpectControls(main, controls);
  HWND picture = GetDlgItem(main, ids::kPicture);
  // The picture lies over the toolbar and the page control, and takes the clicks there.
  EXPECT_EQ(ChildWindowFromPointEx(main, {580, 40}, CWP_SKIPINVISIBLE), picture);
  EXPECT_EQ(ChildWindowFromPointEx(main, {580, 90}, CWP_SKIPINVISIBLE), picture);

  HWND toolbar = GetDlgItem(main, ids::kToolbar);
  std::vector<ToolButton> buttons = ToolButtons(program.Process(), toolbar);
  const char* captions[] = {"添加",     "编辑",  "删除", nullptr, "设置",
                            "最近生日", nullptr, "关于", "退出"};
  const int images[] = {5, 2, 6, -1, 3, 0, -1, 1, 7};
  ASSERT_EQ(buttons.size(), 9u);
  for (int i = 0; i < 9; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ((buttons[i].style & BTNS_SEP) != 0, captions[i] == nullptr);
    if (!captions[i]) continue;
    EXPECT_TRUE(buttons[i].caption == Wide(captions[i]));
    EXPECT_EQ(buttons[i].image, images[i]);
    EXPECT_GE(buttons[i].rect.bottom - buttons[i].rect.top, 50 + 12);  // image and caption
    EXPECT_LE(buttons[i].rect.bottom, 80);
  }
  EXPECT_NE(SendMessageW(toolbar, TB_GETIMAGELIST, 0, 0), 0);

  HWND pages = GetDlgItem(main, ids::kPages);
  std::vector<std::wstring> pageCaptions = TabCaptions(program.Process(), pages);
  ASSERT_EQ(pageCaptions.size(), 3u);
  EXPECT_TRUE(pageCaptions[0] == Wide("好友生日列表"));
  EXPECT_TRUE(pageCaptions[1] == Wide("最近生日"));
  EXPECT_TRUE(pageCaptions[2] == Wide("查看详情"));
  EXPECT_EQ(SendMessageW(pages, TCM_GETCURSEL, 0, 0), 0);
  EXPECT_NE(SendMessageW(pages, TCM_GETIMAGELIST, 0, 0), 0);

  struct ListDesign {
    int id;
    std::vector<std::pair<const char*, int>> columns;
  } lists[] = {
      {ids::kFriendList,
       {{"姓名", 100},
        {"出生年月", 140},
        {"提醒方式", 70},
        {"年龄", 105},
        {"生肖", 40},
        {"星座", 60},
        {"联系方式", 135}}},
      {ids::kUpcomingList,
       {{"姓名", 80},
        {"生日", 140},
        {"提醒方式", 65},
        {"年龄", 160},
        {"联系方式", 95},
        {"倒计时", 105}}},
  };
  for (const ListDesign& design : lists) {
    SCOPED_TRACE(design.id);
    HWND list = GetDlgItem(main, design.id);
    std::vector<Column> columns = ListColumns(program.Process(), list);
    ASSERT_EQ(columns.size(), design.columns.size());
    for (size_t c = 0; c < columns.size(); ++c) {
      EXPECT_TRUE(columns[c].caption == Wide(design.columns[c].first)) << c;
      // The last column gives up what the list has no room for.
      if (c + 1 < columns.size()) {
        EXPECT_EQ(columns[c].width, design.columns[c].second) << c;
      } else {
        EXPECT_LE(columns[c].width, design.columns[c].second) << c;
      }
    }
    EXPECT_TRUE(ColumnsFit(program.Process(), list));
    LONG style = GetWindowLongW(list, GWL_STYLE);
    EXPECT_EQ(style & LVS_TYPEMASK, LVS_REPORT);
    EXPECT_FALSE(style & LVS_SINGLESEL);     // several rows at once
    EXPECT_FALSE(style & LVS_NOSORTHEADER);  // the headers sort the lists
    EXPECT_TRUE(style & LVS_SHOWSELALWAYS);  // the selection shows without the focus
    LRESULT extended = SendMessageW(list, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0);
    EXPECT_TRUE(extended & LVS_EX_FULLROWSELECT);
    EXPECT_TRUE(extended & LVS_EX_GRIDLINES);
    EXPECT_EQ(SendMessageW(list, LVM_GETBKCOLOR, 0, 0), RGB(255, 255, 255));
    EXPECT_EQ(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0), 0);
  }

  HWND status = GetDlgItem(main, ids::kStatus);
  EXPECT_EQ(StatusPartEdges(program.Process(), status), (std::vector<int>{230, 380, 680}));
  EXPECT_NE(SendMessageW(status, SB_GETICON, 0, 0), 0);
  EXPECT_EQ(SendMessageW(status, SB_GETICON, 1, 0), 0);
  ASSERT_TRUE(WaitUntil(
      [&] { return StatusPartText(program.Process(), status, 1) == Wide("当前记录数：0"); }));
  EXPECT_TRUE(StatusPartText(program.Process(), status, 0) == Wide("寿辰备忘录！"));
  EXPECT_EQ(Utf8(StatusPartText(program.Process(), status, 2)),
            u8"今天是：公历2012年4月15日   农历2012年3月25日");
  Sleep(300);
  SaveScreenshot("main-window");

  // The other pages show their own control only.
  Click(pages, Centre(TabItemRect(program.Process(), pages, 2)));
  ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(GetDlgItem(main, ids::kReportView)); }));
  EXPECT_FALSE(IsWindowVisible(GetDlgItem(main, ids::kFriendList)));
  EXPECT_FALSE(IsWindowVisible(GetDlgItem(main, ids::kUpcomingList)));
  Click(pages, Centre(TabItemRect(program.Process(), pages, 1)));
  ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(GetDlgItem(main, ids::kUpcomingList)); }));
  EXPECT_FALSE(IsWindowVisible(GetDlgItem(main, ids::kReportView)));
  SaveScreenshot("main-window-upcoming-page");
}

TEST(MainWindow, CaptionIsTheStoredTitleWithItsVariablesExpanded) {
  {
    ProgramUnderTest program;
    settings::WriteText(L"biaoti", Wide("家人的生日"));
    HWND main = program.StartMain();
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(WaitUntil([&] { return WindowText(main) == Wide("家人的生日"); }));
    EXPECT_EQ(program.Close(), 0);
  }
  {
    ProgramUnderTest program;
    settings::WriteText(L"biaoti", Wide("生日簿 %BIRTHDAY_MEMO_TODAY%"), REG_EXPAND_SZ);
    HWND main = program.StartMain();
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(WaitUntil([&] { return WindowText(main) == Wide("生日簿 2012-04-15"); }));
    EXPECT_EQ(program.Close(), 0);
  }
  {
    // A title stored as a number is no text: the default caption.
    ProgramUnderTest program;
    settings::WriteNumber(L"biaoti", 5);
    HWND main = program.StartMain();
    ASSERT_NE(main, nullptr);
    HWND status = GetDlgItem(main, ids::kStatus);
    ASSERT_TRUE(WaitUntil(
        [&] { return StatusPartText(program.Process(), status, 1) == Wide("当前记录数：0"); }));
    EXPECT_TRUE(WindowText(main) == Wide("寿辰备忘录"));
    EXPECT_EQ(program.Close(), 0);
  }
}

TEST(MainWindow, TodayPaneShowsALunarDayThatHasNoGregorianTwin) {
  // Lunar 2014年2月30日: no Gregorian date has that month and day.
  ProgramUnderTest program;
  StartOptions options;
  options.today = "2014-03-30";
  HWND main = program.StartMain(options);
  ASSERT_NE(main, nullptr);
  HWND status = GetDlgItem(main, ids::kStatus);
  EXPECT_EQ(Utf8(StatusPartText(program.Process(), status, 2)),
            u8"今天是：公历2014年3月30日   农历2014年2月30日");
  EXPECT_EQ(program.Close(), 0);
}

TEST(MainWindow, RightClickInTheFriendListPopsUpTheSortMenuWhoseLeavesStoreTheirCode) {
  ProgramUnderTest program;
  HWND main = program.StartMain();
  ASSERT_NE(main, nullptr);
  HWND list = GetDlgItem(main, ids::kFriendList);
  // 排序方式 > 按姓名 > 姓名降序, by the keyboard.
  ASSERT_TRUE(PopUpSortMenu(list));
  TypeMenuKeys(main, {VK_DOWN, VK_RIGHT, VK_RIGHT, VK_DOWN});
  SaveScreenshot("sort-menu");
  TypeMenuKeys(main, {VK_RETURN});
  ASSERT_TRUE(WaitUntil([] { return settings::Read(L"paixu").exists; }));
  EXPECT_EQ(settings::Read(L"paixu").type, static_cast<DWORD>(REG_DWORD));
  EXPECT_EQ(settings::Read(L"paixu").number, settings::StoredSortCode(SortCode::kNameDescending));
  // The menu checks the order chosen; the age orders are under 按年龄.
  ASSERT_TRUE(PopUpSortMenu(list));
  TypeMenuKeys(main, {VK_DOWN, VK_RIGHT, VK_RIGHT});
  SaveScreenshot("sort-menu-current-order-checked");
  TypeMenuKeys(main, {VK_ESCAPE, VK_ESCAPE, VK_ESCAPE});
  ASSERT_TRUE(WaitUntil([] {
    HWND popup = FindWindowW(L"#32768", nullptr);
    return !popup || !IsWindowVisible(popup);
  }));

  // 排序方式 > 不排序, the last item of its level.
  ASSERT_TRUE(PopUpSortMenu(list));
  TypeMenuKeys(main, {VK_DOWN, VK_RIGHT, VK_UP, VK_RETURN});
  ASSERT_TRUE(WaitUntil([] {
    return settings::Read(L"paixu").number == settings::StoredSortCode(SortCode::kStored);
  }));

  // Escape chooses nothing.
  settings::WriteNumber(L"paixu", settings::StoredSortCode(SortCode::kAgeDescending));
  ASSERT_TRUE(PopUpSortMenu(list));
  TypeMenuKeys(main, {VK_ESCAPE});
  ASSERT_TRUE(WaitUntil([] {
    HWND popup = FindWindowW(L"#32768", nullptr);
    return !popup || !IsWindowVisible(popup);
  }));
  EXPECT_EQ(settings::Read(L"paixu").number, settings::StoredSortCode(SortCode::kAgeDescending));
  EXPECT_EQ(program.Close(), 0);
}
