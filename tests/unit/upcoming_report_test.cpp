// The upcoming pass over the friend list: the upcoming list, the page "最近生日.html", the
// report view, the tip and the balloon.
#include "window_logic/upcoming_report.h"

#include <gtest/gtest.h>

#include <chrono>

#include "records_fixture.h"
#include "report/upcoming_page.h"
#include "sample_upcoming_page.h"
#include "settings/settings_names.h"
#include "text/text_codec.h"

namespace memo {
namespace {

using Texts = std::vector<std::string>;

const std::string kLine = "<P align=center><FONT color=#000000 size=4 face=黑体>";
const std::string kLineEnd = "</FONT></P>";
const std::string kLaterHeading =
    "<P align=center><FONT color=#1a8000 size=6><STRONG>最近生日</STRONG></FONT></P>\r\n\r\n";

class UpcomingReportTest : public testing::RecordsFixture {
 protected:
  // A friend of the list the pass reads; the pass reads nothing else of the records.
  void Friend(const std::string& name, const std::string& birthday, bool lunar,
              const std::string& contact = "") {
    list.push_back(Person(name, birthday, lunar, contact));
    list.back().rowid = static_cast<int64_t>(list.size());
  }
  void Recompute() { RecomputeUpcoming(list, report); }
  // The page's path is GBK; on the disk its name is UTF-8.
  std::string OnDisk() const { return Gb18030ToUtf8(report.reportPath); }
  // The page's body: what goes between the document's head and end.
  std::string Page() const {
    const std::string page = testing::ReadFileBytes(OnDisk());
    const size_t start = page.find("<body>\r\n"), end = page.rfind("</body>");
    return start == std::string::npos || end == std::string::npos
               ? page
               : page.substr(start + 8, end - start - 8);
  }
  Texts Column(int column) const {
    Texts texts;
    for (const Texts& row : upcoming.rows) texts.push_back(row[column]);
    return texts;
  }

  std::vector<memo::Friend> list;
};

TEST_F(UpcomingReportTest, WorkedExampleByteForByte) {
  On(2013, 4, 30);  // lunar 2013-3-21
  Friend("甲", "1980年5月3日", false, "123");
  Recompute();

  EXPECT_EQ(report.daysAhead, 10);
  EXPECT_EQ(upcoming.rows,
            (std::vector<Texts>{{"甲", "5月3日", "公历", "33岁", "123", "还有3天过生日"}}));
  EXPECT_EQ(Page(), "<FONT color=#ff0000 size=2>今天是 公历2013年4月30日 农历2013年3月21日</FONT>" +
                        kLaterHeading + kLine + kLine +
                        "甲(33岁)&nbsp; 公历5月3日&nbsp; 还有3天生日&nbsp; 联系方式：123" +
                        kLineEnd + "\r\n" + kLineEnd + "</FONT>\r\n");
  ASSERT_EQ(reportView.shown.size(), 1u);
  EXPECT_NE(reportView.shown[0].find("\\u30002?(33\\u23681?)"), std::string::npos);  // 甲(33岁)
  EXPECT_EQ(tray.tips, (Texts{"最近有1人将要过生日：\r\n甲还有3天过生日\r\n"}));
  ASSERT_EQ(tray.balloons.size(), 1u);
  EXPECT_EQ(tray.balloons[0].title, "最近有1人将要过生日");
  EXPECT_EQ(tray.balloons[0].text, "甲还有3天过生日\r\n");
  EXPECT_EQ(tray.balloons[0].icon, 1);
  EXPECT_EQ(tray.balloons[0].timeoutMs, 5000);
  EXPECT_TRUE(tray.balloons[0].hideAfterTimeout);
}

// The chosen age form and the 整寿 mark reach the list, the page, the report view, the tip
// and the balloon.
TEST_F(UpcomingReportTest, AgesInTheChosenFormWithTheirMarksInEveryOutput) {
  On(2025, 5, 30);
  Friend("王奶奶", "1955年6月1日", false);
  Friend("甲", "1990年6月2日", false);
  settings.WriteNumber(kAgeSetting, 2);  // 两者
  Recompute();
  EXPECT_EQ(Column(3), (Texts{"70岁（虚岁71）（七十大寿）", "35岁（虚岁36）"}));
  EXPECT_NE(Page().find("王奶奶(70岁（虚岁71）)（七十大寿）&nbsp;"), std::string::npos);
  ASSERT_EQ(reportView.shown.size(), 1u);
  // 七十大寿
  EXPECT_NE(reportView.shown[0].find("\\u19971?\\u21313?\\u22823?\\u23551?"), std::string::npos);
  const std::string lines = "王奶奶还有2天过生日（七十大寿）\r\n甲还有3天过生日\r\n";
  EXPECT_EQ(tray.tips, (Texts{"最近有2人将要过生日：\r\n" + lines}));
  ASSERT_EQ(tray.balloons.size(), 1u);
  EXPECT_EQ(tray.balloons[0].text, lines);

  settings.WriteNumber(kAgeSetting, 1);  // 虚岁: 71 is no 整寿
  Recompute();
  EXPECT_EQ(Column(3), (Texts{"虚岁71", "虚岁36"}));
  EXPECT_EQ(Page().find("大寿"), std::string::npos);
}

TEST(UpcomingPage, SampleEntriesGiveTheSamplePageByteForByte) {
  const std::vector<UpcomingEntry> entries = memo_test::SampleUpcomingEntries();
  EXPECT_EQ(UpcomingPageBody(entries, memo_test::SampleToday()), memo_test::SampleUpcomingPage());
  EXPECT_EQ(UpcomingPageBody({}, memo_test::SampleToday()), "");
}

TEST(UpcomingPage, IsADocumentThatNamesItsEncodingAndRefersToCharactersBeyondGbk) {
  std::vector<UpcomingEntry> entries = memo_test::SampleUpcomingEntries();
  entries[0].person.name = Utf8ToGb18030(u8"王𬌗");
  entries[0].person.contact = Utf8ToGb18030(u8"䶮😀");
  const std::string page = UpcomingPage(entries, memo_test::SampleToday(), 10);
  const std::string head =
      "<!DOCTYPE html>\r\n<html>\r\n<head>\r\n<meta charset=\"gbk\">\r\n"
      "<title>最近生日</title>\r\n</head>\r\n<body>\r\n";
  EXPECT_EQ(page.substr(0, head.size()), head);
  EXPECT_NE(page.find("王&#x2C317;(33岁)"), std::string::npos);
  EXPECT_NE(page.find("联系方式：&#x4DAE;&#x1F600;"), std::string::npos);
  // Nothing else is written as a reference: the rest of the body keeps its bytes.
  entries[0].person.name = "王";
  entries[0].person.contact = "";
  const std::string plain = UpcomingPage(entries, memo_test::SampleToday(), 10);
  EXPECT_EQ(plain.substr(head.size(), plain.size() - head.size() - 18),
            UpcomingPageBody(entries, memo_test::SampleToday()));
  EXPECT_NE(UpcomingPage({}, memo_test::SampleToday(), 7).find("最近7天内没有好友过生日"),
            std::string::npos);
}

TEST_F(UpcomingReportTest, NobodyUpcoming) {
  On(2013, 4, 30);
  testing::WriteFileBytes(OnDisk(), "old page");
  Friend("甲", "1980年6月3日", false);
  Recompute();
  EXPECT_TRUE(upcoming.rows.empty());
  EXPECT_NE(Page().find("最近10天内没有好友过生日"), std::string::npos);
  // An empty report: no paragraph at all.
  ASSERT_EQ(reportView.shown.size(), 1u);
  EXPECT_EQ(reportView.shown[0].find("\\par"), std::string::npos);
  EXPECT_EQ(tray.tips, (Texts{"最近有0人将要过生日：\r\n"}));
  ASSERT_EQ(tray.balloons.size(), 1u);
  EXPECT_EQ(tray.balloons[0].title, "最近有0人将要过生日");
  EXPECT_EQ(tray.balloons[0].text, "");
}

TEST_F(UpcomingReportTest, SectionsTipsAndTheEdgeOfTheWindow) {
  On(2013, 4, 30);
  Friend("戊", "1980年5月4日", false);   // 4 days
  Friend("丁", "1980年5月3日", false);   // 3
  Friend("丙", "1980年5月2日", false);   // 2: later, not tomorrow
  Friend("乙", "1980年5月1日", false);   // 1
  Friend("甲", "1980年4月30日", false);  // 0
  Friend("己", "1980年4月30日", false);  // 0, after 甲 in list order
  Friend("庚", "1980年5月10日", false);  // 10: the edge of the window, still upcoming everywhere
  Friend("辛", "1980年4月29日", false);  // past this month: not upcoming
  Recompute();

  // The list goes by days like the page, each day's friends in list order.
  EXPECT_EQ(Column(0), (Texts{"甲", "己", "乙", "丙", "丁", "戊", "庚"}));
  EXPECT_EQ(Column(5), (Texts{"今天生日", "今天生日", "明天生日", "还有2天过生日", "还有3天过生日",
                              "还有4天过生日", "还有10天过生日"}));
  EXPECT_EQ(tray.tips[0],
            "最近有7人将要过生日：\r\n甲：  今天生日\r\n己：  今天生日\r\n乙：  明天生日\r\n"
            "丙还有2天过生日\r\n…………………………");
  const std::string page = Page();
  const auto at = [&](const std::string& text) { return page.find(text); };
  EXPECT_LT(at("今天生日</FONT></P>\r\n"), at("明天生日</FONT></P>"));
  EXPECT_LT(at("明天生日</FONT></P>"), at("<STRONG>最近生日</STRONG>"));
  EXPECT_LT(at("甲(33岁)"), at("己(33岁)"));
  EXPECT_LT(at("丙(33岁)"), at("丁(33岁)"));
  EXPECT_GT(at("丙(33岁)&nbsp; 公历5月2日&nbsp; 还有2天生日" + kLineEnd), at("<STRONG>"));
  EXPECT_GT(at("庚(33岁)&nbsp; 公历5月10日&nbsp; 还有10天生日"), at("丁(33岁)"));
  EXPECT_EQ(at("辛"), std::string::npos);
  // No contact: no "联系方式：" either.
  EXPECT_NE(at(kLine + "甲(33岁)&nbsp; 公历4月30日" + kLineEnd + "\r\n" + kLine + "己(33岁)"),
            std::string::npos);
  EXPECT_NE(at("明天生日</FONT></P><FONT color=#ff0000 size=6>\r\n\r\n" + kLine + kLine +
               "乙(33岁)&nbsp; 公历5月1日" + kLineEnd + "\r\n" + kLineEnd + "</FONT>\r\n"),
            std::string::npos);
}

TEST_F(UpcomingReportTest, NotesForDatesTheYearLacks) {
  On(2013, 6, 1);  // lunar 2013-4-23; lunar month 4 has 29 days this year
  settings.WriteNumber(kDaysSetting, 40);
  Friend("甲", "1980年4月30日", true, "1");
  Friend("乙", "1980年6月30日", false);
  Friend("丙", "1990年5月12日[闰月]", true);  // no leap month this year: no note
  Recompute();
  ASSERT_EQ(upcoming.rows.size(), 3u);
  const std::string page = Page();
  EXPECT_NE(page.find(kLine +
                      "甲(33岁)&nbsp; 农历四月三十（6月7日）&nbsp; 还有6天生日&nbsp; 联系方式：1"
                      "<BR><FONT color=#ff0000 size=2>农历2013年4月30日不存在!"
                      "该好友的生日以农历2013年4月29日为生日计算。"
                      "</FONT></FONT></P></FONT></FONT>\r\n" +
                      kLineEnd + "\r\n"),
            std::string::npos);
  EXPECT_EQ(page.find("<BR>"), page.rfind("<BR>"));  // one note only

  On(2013, 2, 20);
  list.clear();
  Friend("丁", "1992年2月29日", false);
  Recompute();
  EXPECT_NE(Page().find("还有8天生日<BR><FONT color=#ff0000 size=2>公历2013年2月"
                        "29日不存在!该好友的生日以公历2013年2月28日为生日计算。"),
            std::string::npos);
}

// Dinners are booked by the solar date: a lunar birthday gives it after its lunar day.
TEST_F(UpcomingReportTest, LunarBirthdaysGiveTheSolarDateAfterTheLunarDay) {
  On(2012, 4, 15);  // lunar 2012-3-25; 闰四月 begins on 2012-05-21
  settings.WriteNumber(kDaysSetting, 60);
  Friend("甲", "1970年3月26日", true);
  Friend("乙", "1980年4月15日", false);
  Friend("丙", "1990年4月12日[闰月]", true);
  Friend("丁", "1991年4月2日", true);
  Recompute();
  EXPECT_EQ(Column(1), (Texts{"4月15日", "三月廿六（4月16日）", "四月初二（4月22日）",
                              "闰四月十二（6月1日）"}));
  EXPECT_NE(Page().find("农历三月廿六（4月16日）"), std::string::npos);
}

TEST_F(UpcomingReportTest, SettingsDecideWindowAndBalloon) {
  On(2013, 4, 30);
  Friend("甲", "1980年5月3日", false);
  settings.WriteNumber(kPopUpSetting, 1);
  Recompute();
  EXPECT_EQ(tray.tips.size(), 1u);
  EXPECT_TRUE(tray.balloons.empty());
  settings.WriteNumber(kPopUpSetting, 0);
  settings.WriteNumber(kTraySetting, 1);
  Recompute();
  EXPECT_TRUE(tray.balloons.empty());
  settings.WriteNumber(kTraySetting, 0);
  Recompute();
  EXPECT_EQ(tray.balloons.size(), 1u);

  settings.WriteNumber(kDaysSetting, 0);  // as if missing
  Recompute();
  EXPECT_EQ(report.daysAhead, 10);
  settings.WriteNumber(kDaysSetting, 3);  // 3 days away: on the list, the page and the tip alike
  Recompute();
  EXPECT_EQ(upcoming.rows.size(), 1u);
  EXPECT_NE(Page().find("甲(33岁)"), std::string::npos);
  EXPECT_EQ(tray.tips.back(), "最近有1人将要过生日：\r\n甲还有3天过生日\r\n");
  settings.WriteNumber(kDaysSetting, 2);
  Recompute();
  EXPECT_NE(Page().find("最近2天内没有好友过生日"), std::string::npos);
  settings.WriteNumber(kDaysSetting, -5);
  Recompute();
  EXPECT_TRUE(upcoming.rows.empty());

  // A window of two billion days: everyone is listed, at once.
  for (int i = 0; i < 200; ++i) Friend("乙", "1980年12月1日", i % 2 == 0);
  settings.WriteNumber(kDaysSetting, 2000000000);
  const auto start = std::chrono::steady_clock::now();
  Recompute();
  EXPECT_EQ(upcoming.rows.size(), 201u);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
}

TEST_F(UpcomingReportTest, TypedTextsAreEscapedOnThePage) {
  On(2013, 4, 30);
  Friend("<script>alert(1)</script>", "1980年5月3日", false, "a&b \"c\"");
  Recompute();
  const std::string page = Page();
  EXPECT_EQ(page.find("<script>"), std::string::npos);
  EXPECT_NE(page.find("&lt;script&gt;alert(1)&lt;/script&gt;(33岁)"), std::string::npos);
  EXPECT_NE(page.find("联系方式：a&amp;b &quot;c&quot;"), std::string::npos);
  EXPECT_EQ(tray.tips[0], "最近有1人将要过生日：\r\n<script>alert(1)</script>还有3天过生日\r\n");
}

TEST_F(UpcomingReportTest, UnwritablePageIsNoFailure) {
  On(2013, 4, 30);
  Friend("甲", "1980年5月3日", false);
  report.reportPath = folder.File("missing") + "/最近生日.html";
  Recompute();
  EXPECT_FALSE(std::filesystem::exists(folder.File("missing")));
  EXPECT_EQ(reportView.shown.size(), 1u);
  EXPECT_EQ(tray.tips.size(), 1u);
}

// A birthday that reads as no date is never counted: it is in no list, page, tip or balloon.
TEST_F(UpcomingReportTest, UnreadableBirthdaysAreNeverUpcoming) {
  On(2013, 1, 1);
  for (const char* unreadable : {"garbage", "", "某天"}) {
    Friend("坏", unreadable, false);
    Friend("坏", unreadable, true);
  }
  Friend("坏", "2013年2月29日", false);
  Friend("坏", "2013年2月31日", true);  // lunar months have 30 days at most
  Friend("好", "1980年1月1日", false);
  settings.WriteNumber(kDaysSetting, 400);
  Recompute();
  EXPECT_EQ(Column(0), (Texts{"好"}));
  EXPECT_EQ(Page().find("坏"), std::string::npos);
  EXPECT_EQ(tray.tips, (Texts{"最近有1人将要过生日：\r\n好：  今天生日\r\n"}));
  ASSERT_EQ(tray.balloons.size(), 1u);
  EXPECT_EQ(tray.balloons[0].text, "好：  今天生日\r\n");
}

// Names and contacts are stored as typed; the page, the report view and the tray show each
// run of line breaks in them as one blank.
TEST_F(UpcomingReportTest, LineBreaksInTypedTextsShowAsOneBlank) {
  On(2013, 4, 30);
  Friend("张\r\n三\n\n", "1980年4月30日", false, "电话\r1\n\r\n2");
  Recompute();
  EXPECT_EQ(Column(0), (Texts{"张\r\n三\n\n"}));
  EXPECT_EQ(tray.tips, (Texts{"最近有1人将要过生日：\r\n张 三 ：  今天生日\r\n"}));
  EXPECT_EQ(tray.balloons[0].text, "张 三 ：  今天生日\r\n");
  EXPECT_NE(Page().find("张 三 (33岁)&nbsp; 公历4月30日&nbsp; 联系方式：电话 1 2<"),
            std::string::npos);
  // 张 三 (33岁) and 电话 1 2: the view shows one blank at most anywhere.
  EXPECT_NE(reportView.shown[0].find("\\u24352? \\u19977? (33"), std::string::npos);
  EXPECT_NE(reportView.shown[0].find("\\u30005?\\u-29731? 1 2}"), std::string::npos);
}

}  // namespace
}  // namespace memo
