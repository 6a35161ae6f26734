// Design sizes are pixels at 96 DPI: at 144 DPI every window and control is half as large
// again, so the design holds at any DPI.
#include <gtest/gtest.h>

#include <algorithm>

#include "birthday_table.h"
#include "design_check.h"
#include "local_http_server.h"
#include "program_under_test.h"
#include "program_windows.h"
#include "remote_controls.h"
#include "test_pictures.h"
#include "ui/window_ids.h"
#include "window_basics.h"

using namespace wine_test;

namespace {

const wchar_t* const kDesktopKey = L"Control Panel\\Desktop";

// Wine takes the screen's DPI from this value when a process starts; the prefix is shared
// by every test, so the value goes again whatever the test's outcome.
class ScreenDpi {
 public:
  explicit ScreenDpi(DWORD dpi) {
    RegSetKeyValueW(HKEY_CURRENT_USER, kDesktopKey, L"LogPixels", REG_DWORD, &dpi, sizeof(dpi));
  }
  ~ScreenDpi() { RegDeleteKeyValueW(HKEY_CURRENT_USER, kDesktopKey, L"LogPixels"); }
};

}  // namespace

TEST(Dpi, At144DpiEveryPlaceAndSizeOfTheDesignIsScaledByOneAndAHalf) {
  ScreenDpi dpi(144);
  ProgramUnderTest program;
  HWND main = program.StartMain();
  ASSERT_NE(main, nullptr);
  // 780 pixels high do not fit a 1024 x 768 screen: the window fills the work area's height
  // instead, title bar and all, and leaves the taskbar free.
  RECT frame, work;
  GetWindowRect(main, &frame);
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  EXPECT_EQ(frame.right - frame.left, 1020);
  EXPECT_EQ(frame.bottom - frame.top, std::min<LONG>(780, work.bottom - work.top));
  EXPECT_GE(frame.top, work.top);
  EXPECT_LE(frame.bottom, work.bottom);
  EXPECT_GE(frame.left, work.left);
  EXPECT_LE(frame.right, work.right);
  // The status bar rises with the window's bottom edge and the pages give way to it.
  const int shortfall = 780 - (frame.bottom - frame.top);
  struct Scaled {
    int id;
    Place place;
  } controls[] = {
      {memo::ui::main_window::kToolbar, {0, 0, 1011, 120}},
      {memo::ui::main_window::kPicture, {744, 9, 252, 132}},
      {memo::ui::main_window::kPages, {0, 120, 1020, 588 - shortfall}},
      {memo::ui::main_window::kStatus, {0, 708 - shortfall, 1011, 30}},
      {memo::ui::main_window::kSearchBox, {2, 162, 300, 33}},
      {memo::ui::main_window::kFriendList, {2, 198, 1008, 513 - shortfall}},
  };
  for (const Scaled& control : controls) {
    EXPECT_EQ(PlaceOf(GetDlgItem(main, control.id)), control.place) << control.id;
  }
  HWND status = GetDlgItem(main, memo::ui::main_window::kStatus);
  RECT client;
  GetClientRect(main, &client);
  const Place bar = PlaceOf(status);
  EXPECT_LE(bar.top + bar.height, client.bottom);
  EXPECT_EQ(StatusPartEdges(program.Process(), status), (std::vector<int>{345, 570, 1020}));
  HWND list = GetDlgItem(main, memo::ui::main_window::kFriendList);
  EXPECT_EQ(ListColumns(program.Process(), list)[1].width, 210);
  Sleep(300);
  SaveScreenshot("main-window-144-dpi");
  EXPECT_EQ(program.Close(), 0);
}

TEST(Dpi, At144DpiTheMonthCalendarIsScaledAndItsDaysAreHitWhereTheyAreDrawn) {
  ScreenDpi dpi(144);
  ProgramUnderTest program;
  HWND main = program.StartMain();
  ASSERT_NE(main, nullptr);
  SetCursorPos(0, 0);  // no day under the pointer, so none shows the hover fill
  HWND window = OpenFromToolbar(program, main, ToolbarButton::kAdd, memo::ui::kBirthdayWindowClass);
  ASSERT_NE(window, nullptr);
  namespace ids = memo::ui::birthday_window;
  ClickControl(GetDlgItem(window, ids::kSolar));
  ClickControl(GetDlgItem(window, ids::kCalendarButton));
  HWND calendar = GetDlgItem(window, ids::kCalendar);
  ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(calendar) != FALSE; }));
  EXPECT_EQ(PlaceOf(calendar), (Place{84, 219, 548, 393}));
  EXPECT_EQ(PlaceOf(GetDlgItem(calendar, 1019)).left - PlaceOf(calendar).left, 5);

  // April 2012 begins on a Sunday: cells 6 to 35 of the grid that starts on 26 March.
  auto scaled = [](int designPixels) { return MulDiv(designPixels, 144, 96); };
  auto fillOf = [&](int cell) {
    return ScreenColorAt(calendar, scaled((cell % 7) * 52) + 6, scaled(50 + (cell / 7) * 32) + 6);
  };
  ASSERT_TRUE(WaitUntil([&] { return fillOf(6) == RGB(255, 250, 194); }));
  EXPECT_EQ(fillOf(5), RGB(211, 217, 214));
  EXPECT_EQ(fillOf(35), RGB(255, 250, 194));
  EXPECT_EQ(fillOf(36), RGB(211, 217, 214));
  Sleep(300);
  SaveScreenshot("birthday-window-144-dpi");

  Click(calendar, {scaled(1 * 52 + 26), scaled(50 + 3 * 32 + 16)});  // cell 22: 17 April
  ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(calendar); }));
  SYSTEMTIME picked = DatePickerTime(program.Process(), GetDlgItem(window, ids::kDate));
  EXPECT_EQ(picked.wMonth, 4);
  EXPECT_EQ(picked.wDay, 17);
  PostMessageW(window, WM_CLOSE, 0, 0);
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(window); }));
  EXPECT_EQ(program.Close(), 0);
}

TEST(Dpi, At144DpiTheSettingsWindowsReminderPageIsScaledAndNothingOnItOverlaps) {
  ScreenDpi dpi(144);
  ProgramUnderTest program;
  HWND main = program.StartMain();
  ASSERT_NE(main, nullptr);
  HWND settings =
      OpenFromToolbar(program, main, ToolbarButton::kSettings, memo::ui::kSettingsWindowClass);
  ASSERT_NE(settings, nullptr);
  namespace ids = memo::ui::settings_window;
  const ExpectedControl scaled[] = {
      {ids::kTab, L"SysTabControl32", nullptr, 0, 0, 444, 384},
      {ids::kReminderGroup, L"Button", "提醒设置", 24, 48, 408, 84},
      {ids::kLogOnBox, L"Button", "开机时自动启动", 24, 273, 300, 30},
      {ids::kSaveDays, L"Button", "确定", 132, 324, 132, 36},
      {ids::kCancelDays, L"Button", "取消", 288, 324, 132, 36},
  };
  ExpectControls(settings, scaled);
  ExpectApartWithin(
      settings, ids::kTab,
      {ids::kReminderGroup, ids::kTimeLabel, ids::kReminderTime, ids::kSoundBox, ids::kTicksLabel,
       ids::kFirstTick, ids::kFirstTick + 1, ids::kFirstTick + 2, ids::kFirstTick + 3,
       ids::kFirstTick + 4, ids::kLastTick, ids::kLogOnBox, ids::kSaveDays, ids::kCancelDays});
  Sleep(300);
  SaveScreenshot("settings-window-144-dpi");
  PostMessageW(settings, WM_CLOSE, 0, 0);
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(settings); }));
  EXPECT_EQ(program.Close(), 0);
}

TEST(Dpi, At144DpiTheAdvertisementPictureFillsItsScaledBox) {
  ScreenDpi dpi(144);
  const COLORREF served = RGB(0, 128, 255);
  LocalHttpServer server(
      HttpAnswer("200 OK", "image/gif", SolidPicture(PictureKind::kGif, 168, 88, served)));
  ProgramUnderTest program;
  StartOptions options;
  options.publisherHost = server.Host();
  HWND main = program.StartMain(options);
  ASSERT_NE(main, nullptr);
  HWND picture = GetDlgItem(main, memo::ui::main_window::kPicture);
  // The corners of the 252 x 132 box, beyond the picture's own 168 x 88 pixels.
  ASSERT_TRUE(WaitUntil([&] { return SameColor(ScreenColorAt(picture, 2, 2), served, 8); }));
  EXPECT_TRUE(SameColor(ScreenColorAt(picture, 249, 129), served, 8));
  EXPECT_TRUE(SameColor(ScreenColorAt(picture, 249, 2), served, 8));
  EXPECT_TRUE(SameColor(ScreenColorAt(picture, 2, 129), served, 8));
  EXPECT_EQ(program.Close(), 0);
}

// Enough friends for a vertical scroll bar in both lists, each list's columns within its
// width at either DPI: no horizontal scroll bar.
TEST(Dpi, ColumnsOfBothListsFitWithoutAHorizontalScrollBar) {
  std::vector<TableFriend> friends;
  for (int i = 0; i < 40; ++i) {
    friends.push_back({"好友" + std::to_string(i), false, "1980年4月15日", false, "13800138000"});
  }
  for (DWORD value : {96, 144}) {
    SCOPED_TRACE(value);
    ScreenDpi dpi(value);
    ProgramUnderTest program;
    ASSERT_TRUE(StoreFriends(program.Folder(), friends));
    HWND main = program.StartMainWith(40);
    ASSERT_NE(main, nullptr);
    HWND upcoming = GetDlgItem(main, memo::ui::main_window::kUpcomingList);
    ASSERT_TRUE(WaitUntil([&] { return ReadListRows(program.Process(), upcoming).size() == 40; }));
    ClickTab(program, GetDlgItem(main, memo::ui::main_window::kPages), 1);
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(upcoming) != FALSE; }));
    for (int id : {memo::ui::main_window::kFriendList, memo::ui::main_window::kUpcomingList}) {
      HWND list = GetDlgItem(main, id);
      EXPECT_TRUE(GetWindowLongW(list, GWL_STYLE) & WS_VSCROLL) << id;
      EXPECT_TRUE(ColumnsFit(program.Process(), list)) << id;
    }
    Sleep(300);
    SaveScreenshot("upcoming-list-columns-" + std::to_string(value) + "-dpi");
    EXPECT_EQ(program.Close(), 0);
  }
}
