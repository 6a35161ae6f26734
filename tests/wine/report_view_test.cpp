// The report view in a real window: the upcoming report with its colours, sizes, centring
// and Chinese text, replaced when the upcoming pass gives a new one from any thread.
#include "ui/report_view.h"

#include <gtest/gtest.h>

#include <richedit.h>

#include <thread>

#include "../unit/sample_upcoming_page.h"
#include "host_window.h"
#include "report/upcoming_rtf.h"
#include "window_basics.h"

using namespace wine_test;

namespace {

constexpr RECT kHostPlace = {40, 40, 740, 480};

// The report of these entries, as the upcoming pass hands it to the view.
std::string ReportOf(const std::vector<memo::UpcomingEntry>& entries) {
  return memo::UpcomingRtf(entries, memo_test::SampleToday());
}

std::wstring ViewText(HWND view) {
  GETTEXTLENGTHEX lengthOf = {GTL_NUMCHARS, 1200};
  LRESULT length = SendMessageW(view, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&lengthOf), 0);
  std::wstring text(length + 1, L'\0');
  GETTEXTEX get = {};
  get.cb = static_cast<DWORD>(text.size() * sizeof(wchar_t));
  get.flags = GT_DEFAULT;
  get.codepage = 1200;
  LRESULT copied = SendMessageW(view, EM_GETTEXTEX, reinterpret_cast<WPARAM>(&get),
                                reinterpret_cast<LPARAM>(&text[0]));
  text.resize(copied);
  return text;
}

struct Format {
  COLORREF color;
  LONG twips;
  std::wstring face;
  bool bold;
  WORD align;
};

// The format of the first character of part in the view.
Format FormatOf(HWND view, const std::wstring& part) {
  size_t at = ViewText(view).find(part);
  EXPECT_NE(at, std::wstring::npos) << part.size();
  SendMessageW(view, EM_SETSEL, at, at + 1);
  CHARFORMAT2W chars = {};
  chars.cbSize = sizeof(chars);
  SendMessageW(view, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&chars));
  PARAFORMAT2 paragraph = {};
  paragraph.cbSize = sizeof(paragraph);
  SendMessageW(view, EM_GETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&paragraph));
  SendMessageW(view, EM_SETSEL, 0, 0);
  return {chars.crTextColor, chars.yHeight, chars.szFaceName, (chars.dwEffects & CFE_BOLD) != 0,
          paragraph.wAlignment};
}

}  // namespace

TEST(ReportView, ShowsTheUpcomingReportWithItsStyles) {
  HWND parent = HostWindow(L"report view", kHostPlace);
  memo::RichReportView view;
  HWND window = view.Create(parent, 2, 2, 672, 368, 201);
  ASSERT_NE(window, nullptr);
  view.ShowReport(ReportOf(memo_test::SampleUpcomingEntries()));
  PumpMessages(300);

  std::wstring text = ViewText(window);
  const std::wstring lines[] = {
      L"今天是 公历2012年4月15日 农历2012年3月25日",
      L"今天生日",
      L"张三(33岁)\u00A0 公历4月15日\u00A0 联系方式：13800000000",
      L"李四(28岁)\u00A0 农历3月30日\u00A0 联系方式：li@example.com",
      L"农历2012年3月30日不存在!该好友的生日以农历2012年3月29日为生日计算。",
      L"明天生日",
      L"王五(40岁)\u00A0 公历4月16日",
      L"最近生日",
      L"赵六(5岁)\u00A0 公历4月18日\u00A0 还有3天生日\u00A0 联系方式：0571-88888888"};
  size_t from = 0;
  for (const std::wstring& line : lines) {
    size_t at = text.find(line, from);
    EXPECT_NE(at, std::wstring::npos) << "line of " << line.size() << " characters";
    if (at != std::wstring::npos) from = at + line.size();
  }

  Format todayLine = FormatOf(window, L"今天是");
  EXPECT_EQ(todayLine.color, RGB(255, 0, 0));
  EXPECT_EQ(todayLine.twips, 200);
  EXPECT_EQ(todayLine.align, PFA_LEFT);
  Format today = FormatOf(window, L"今天生日");
  EXPECT_EQ(today.color, RGB(0xE0, 0, 0));
  EXPECT_EQ(today.twips, 480);
  EXPECT_EQ(today.face, L"SimHei");
  EXPECT_EQ(today.align, PFA_CENTER);
  EXPECT_FALSE(today.bold);
  SaveScreenshot("report-view-sample-page");
  Format tomorrow = FormatOf(window, L"明天生日");
  EXPECT_EQ(tomorrow.color, RGB(0, 0, 255));
  EXPECT_EQ(tomorrow.align, PFA_CENTER);
  Format later = FormatOf(window, L"最近生日");
  EXPECT_EQ(later.color, RGB(0x1A, 0x80, 0x00));
  EXPECT_TRUE(later.bold);
  Format line = FormatOf(window, L"张三");
  EXPECT_EQ(line.color, RGB(0, 0, 0));
  EXPECT_EQ(line.twips, 270);
  EXPECT_EQ(line.face, L"SimHei");
  EXPECT_EQ(line.align, PFA_CENTER);
  Format note = FormatOf(window, L"农历2012");
  EXPECT_EQ(note.color, RGB(255, 0, 0));
  EXPECT_EQ(note.twips, 200);

  // Read-only, yet the text can be selected.
  EXPECT_TRUE(GetWindowLongW(window, GWL_STYLE) & ES_READONLY);
  SendMessageW(window, EM_SETSEL, 0, 3);
  DWORD start = 0, end = 0;
  SendMessageW(window, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(end - start, 3u);
  SendMessageW(window, EM_SETSEL, 0, 0);
  PumpMessages(200);
  SaveScreenshot("report-view-sample-page");
  DestroyWindow(parent);
}

TEST(ReportView, ReplacedFromAnyThreadAndEmptyWithoutEntries) {
  HWND parent = HostWindow(L"report view", kHostPlace);
  memo::RichReportView view;
  HWND window = view.Create(parent, 2, 2, 672, 368, 201);
  ASSERT_NE(window, nullptr);
  std::vector<memo::UpcomingEntry> entries = memo_test::SampleUpcomingEntries();
  entries.resize(1);
  entries[0].person.name = "第一版";
  view.ShowReport(ReportOf(entries));
  EXPECT_NE(ViewText(window).find(L"第一版"), std::wstring::npos);

  // The upcoming pass gives its report from its own thread; the view changes on the
  // window's thread once that thread handles its messages. Typed texts show as typed.
  entries[0].person.name = "第二版 <新>";
  std::thread worker([&] { view.ShowReport(ReportOf(entries)); });
  worker.join();
  PumpMessages(300);
  std::wstring text = ViewText(window);
  EXPECT_EQ(text.find(L"第一版"), std::wstring::npos);
  EXPECT_NE(text.find(L"第二版 <新>"), std::wstring::npos);
  EXPECT_EQ(FormatOf(window, L"第二版").align, PFA_CENTER);

  view.ShowReport(ReportOf({}));
  EXPECT_EQ(ViewText(window).find_first_not_of(L"\r\n"), std::wstring::npos);
  DestroyWindow(parent);
}
