// The upcoming pass on screen: the upcoming list, the page file beside the program, the
// report view showing it, the tray tip and the balloon, at start-up and for 最近生日.
#include <gtest/gtest.h>

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

namespace {

// The sample friends on 2012-04-15 (the programs' default date): five birthdays within the
// 10 days, by days like the page; 刘洋's is exactly 10 days away.
ListRows ExpectedUpcomingRows() {
  const char* rows[][6] = {
      {"张伟", "4月15日", "公历", "27岁", "13800138000", "今天生日"},
      {"王芳", "4月16日", "公历", "22岁", "13912345678", "明天生日"},
      {"李娜", "三月廿八（4月18日）", "农历", "36岁", "18611112222", "还有3天过生日"},
      {"吴敏", "4月20日", "公历", "54岁", "", "还有5天过生日"},
      {"刘洋", "4月25日", "公历", "11岁", "", "还有10天过生日"},
  };
  ListRows expected;
  for (const auto& row : rows) {
    expected.emplace_back();
    for (const char* cell : row) expected.back().push_back(Wide(cell));
  }
  return expected;
}

// The first four tips, then the dots for the fifth row, 刘洋's at 10 days.
const char kTipText[] =
    "张伟：  今天生日\r\n王芳：  明天生日\r\n李娜还有3天过生日\r\n吴敏还有5天过生日\r\n"
    "…………………………";

std::wstring PagePath(const ProgramUnderTest& program) {
  return program.Folder() + L"\\" + Wide("最近生日.html");
}

// The report view's lines as a reader sees them: no-break spaces as spaces, no empty lines.
std::vector<std::wstring> ShownLines(HWND view) {
  std::wstring text = WindowText(view);
  std::vector<std::wstring> lines;
  std::wstring line;
  for (wchar_t c : text + L"\r") {
    if (c == L'\r' || c == L'\n') {
      if (!line.empty()) lines.push_back(line);
      line.clear();
    } else {
      line += c == 0xA0 ? L' ' : c;
    }
  }
  return lines;
}

std::vector<std::wstring> ExpectedShownLines() {
  std::vector<std::wstring> lines;
  for (const char* line : {
           "今天是 公历2012年4月15日 农历2012年3月25日",
           "今天生日",
           "张伟(27岁)  公历4月15日  联系方式：13800138000",
           "明天生日",
           "王芳(22岁)  公历4月16日  联系方式：13912345678",
           "最近生日",
           "李娜(36岁)  农历三月廿八（4月18日）  还有3天生日  联系方式：18611112222",
           "吴敏(54岁)  公历4月20日  还有5天生日",
           "刘洋(11岁)  公历4月25日  还有10天生日",
       }) {
    lines.push_back(Wide(line));
  }
  return lines;
}

// Waits until the upcoming pass has written the page and filled the list.
bool UpcomingPassDone(ProgramUnderTest& program, HWND main, size_t rows) {
  return WaitUntil([&] {
    return FileExists(PagePath(program)) &&
           ReadListRows(program.Process(), GetDlgItem(main, ids::kUpcomingList)).size() == rows;
  });
}

// Wine shows a balloon about 2 s after it is asked for.
constexpr int kBalloonDelayMs = 3500;

}  // namespace

TEST(UpcomingWindow, StartUpFillsTheListPageReportViewTipAndBalloon) {
  ProgramUnderTest program;
  ASSERT_TRUE(AddFriends(program.Folder(), kSampleFriends));
  const std::string cliPage = CliReportPage(program.Folder(), "2012-04-15");
  ASSERT_FALSE(cliPage.empty());
  HWND main = program.StartMainWith(9);
  ASSERT_NE(main, nullptr);
  ASSERT_TRUE(UpcomingPassDone(program, main, 5));
  // The balloon shows for a few seconds only: first.
  ClickTab(program, GetDlgItem(main, ids::kPages), 1);
  ASSERT_TRUE(WaitUntil([] { return VisibleBalloon() != nullptr; }, kBalloonDelayMs));
  Sleep(200);  // painted
  HWND balloon = VisibleBalloon();
  EXPECT_TRUE(BalloonText(balloon) == Wide(kTipText)) << Utf8(BalloonText(balloon));
  EXPECT_TRUE(BalloonShows(balloon, Wide("最近有5人将要过生日"), Wide(kTipText)));
  // A balloon with one more or one less is not mistaken for it.
  EXPECT_FALSE(BalloonShows(balloon, Wide("最近有4人将要过生日"), Wide(kTipText)));
  SaveScreenshot("upcoming-list-and-balloon");

  EXPECT_TRUE(ReadListRows(program.Process(), GetDlgItem(main, ids::kUpcomingList)) ==
              ExpectedUpcomingRows());
  // The page beside the program is the one the tool writes for the same data and date.
  EXPECT_TRUE(WaitUntil([&] { return FileBytes(PagePath(program)) == cliPage; }));
  HWND view = GetDlgItem(main, ids::kReportView);
  EXPECT_TRUE(WaitUntil([&] { return ShownLines(view) == ExpectedShownLines(); }))
      << Utf8(WindowText(view));

  const std::wstring tip = Wide(std::string("最近有5人将要过生日：\r\n") + kTipText);
  EXPECT_TRUE(WaitUntil([&] { return TrayTip() == tip; })) << Utf8(TrayTip());

  // 最近生日 shows the report page and runs the pass again, which rewrites the page.
  ASSERT_TRUE(DeleteFileW(PagePath(program).c_str()));
  ClickToolbarButton(program, main, ToolbarButton::kUpcoming);
  EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(view) != FALSE; }));
  EXPECT_TRUE(WaitUntil([&] { return FileBytes(PagePath(program)) == cliPage; }));
  EXPECT_TRUE(WaitUntil([&] { return ShownLines(view) == ExpectedShownLines(); }));
  Sleep(300);
  SaveScreenshot("upcoming-report-view");
  EXPECT_EQ(program.Close(), 0);
}

TEST(UpcomingWindow, NoBalloonWhenTurnedOffOrWithoutTrayIcon) {
  ProgramUnderTest program;
  ASSERT_TRUE(AddFriends(program.Folder(), kSampleFriends));

  // No tray icon (tubiao 1) with the balloon allowed: neither icon nor tip nor balloon. First,
  // while the taskbar has never held the program's icon.
  settings::WriteNumber(L"tubiao", 1);
  HWND main = program.StartMainWith(9);
  ASSERT_NE(main, nullptr);
  ASSERT_TRUE(UpcomingPassDone(program, main, 5));
  Sleep(kBalloonDelayMs);
  EXPECT_EQ(VisibleBalloon(), nullptr);
  EXPECT_TRUE(TrayTip().empty()) << Utf8(TrayTip());
  EXPECT_FALSE(TrayShowsIcon());
  SaveScreenshot("upcoming-no-balloon-without-tray-icon");
  EXPECT_EQ(program.Close(), 0);

  // 不弹出提示 (tanchu 1) with the tray icon: the tip is still set.
  settings::WriteNumber(L"tubiao", 0);
  settings::WriteNumber(L"tanchu", 1);
  DeleteFileW(PagePath(program).c_str());
  main = program.StartMainWith(9);
  ASSERT_NE(main, nullptr);
  ASSERT_TRUE(UpcomingPassDone(program, main, 5));
  const std::wstring tip = Wide(std::string("最近有5人将要过生日：\r\n") + kTipText);
  EXPECT_TRUE(WaitUntil([&] { return TrayTip() == tip; })) << Utf8(TrayTip());
  Sleep(kBalloonDelayMs);
  EXPECT_EQ(VisibleBalloon(), nullptr);
  SaveScreenshot("upcoming-no-balloon-when-turned-off");
  EXPECT_EQ(program.Close(), 0);
}
