// The upcoming pass over the friend list, the page "最近生日.html", the tip and the balloon.
#include "reckoning/upcoming_report.h"

#include <gtest/gtest.h>

#include <chrono>

#include "settings/settings_names.h"
#include "records/friend_list.h"
#include "records/upcoming_pass.h"
#include "records_fixture.h"
#include "text/text_codec.h"

namespace memo {
namespace {

using Texts = std::vector<std::string>;

const std::string kLine = "<P align=center><FONT color=#000000 size=4 face=黑体>";
const std::string kLineEnd = "</FONT></P>";
const std::string kLaterHeading =
    "<P align=center><FONT color=#33ff00 size=6><STRONG>最近生日</STRONG></FONT></P>\r\n\r\n";

class UpcomingReportTest : public testing::RecordsFixture {
 protected:
  // Friend-list rows as LoadFriendList writes them; the pass reads the list only.
  void Friend(const std::string& name, const std::string& birthday, bool lunar,
              const std::string& age = "33岁", const std::string& contact = "") {
    const int row = friends.AppendRow();
    for (const auto& [column, text] : std::map<int, std::string>{
             {0, name}, {1, birthday}, {2, lunar ? "农历" : "公历"}, {3, age}, {4, contact}}) {
      friends.SetCell(row, column, text);
    }
  }
  // The page's path is GBK; on the disk its name is UTF-8.
  std::string OnDisk() const { return GbkToUtf8(context.reportPath); }
  std::string Page() const { return testing::ReadFileBytes(OnDisk()); }
};

TEST_F(UpcomingReportTest, WorkedExampleByteForByte) {
  On(2013, 4, 30);  // lunar 2013-3-21
  Friend("甲", "1980年5月3日", false, "33岁", "123");
  RecomputeUpcoming(context);

  EXPECT_EQ(context.daysAhead, 10);
  ASSERT_EQ(upcoming.RowCount(), 1);
  EXPECT_EQ(Row(upcoming, 0), (Texts{"甲", "5月3日", "公历", "33岁", "123", "还有3天过生日"}));
  EXPECT_EQ(Page(), "<FONT color=#ff0000 size=2>今天是 公历2013年4月30日 农历2013年3月21日</FONT>" +
                        kLaterHeading + kLine + kLine +
                        "甲(33岁)&nbsp; 公历5月3日&nbsp; 还有3天生日&nbsp; 联系方式：123" +
                        kLineEnd + "\r\n" + kLineEnd + "</FONT>\r\n");
  EXPECT_EQ(reportView.loaded, (Texts{folder.path() + "/最近生日.html"}));
  EXPECT_EQ(tray.tips, (Texts{"最近1将要过生日：\r\n甲还有3天过生日\r\n"}));
  ASSERT_EQ(tray.balloons.size(), 1u);
  EXPECT_EQ(tray.balloons[0].title, "最近有1将要过生日");
  EXPECT_EQ(tray.balloons[0].text, "甲还有3天过生日\r\n");
  EXPECT_EQ(tray.balloons[0].icon, 1);
  EXPECT_EQ(tray.balloons[0].timeoutMs, 5000);
  EXPECT_TRUE(tray.balloons[0].hideAfterTimeout);
}

TEST_F(UpcomingReportTest, NobodyUpcoming) {
  On(2013, 4, 30);
  testing::WriteFileBytes(OnDisk(), "old page");
  Friend("甲", "1980年6月3日", false);
  RecomputeUpcoming(context);
  EXPECT_EQ(upcoming.RowCount(), 0);
  EXPECT_TRUE(std::filesystem::exists(OnDisk()));
  EXPECT_EQ(Page(), "");
  EXPECT_EQ(reportView.loaded.size(), 1u);
  EXPECT_EQ(tray.tips, (Texts{"最近0将要过生日：\r\n"}));
  ASSERT_EQ(tray.balloons.size(), 1u);
  EXPECT_EQ(tray.balloons[0].title, "最近有0将要过生日");
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
  Friend("庚", "1980年5月10日", false);  // 10: listed, but neither on the page nor tipped
  Friend("辛", "1980年4月29日", false);  // past this month: not upcoming
  RecomputeUpcoming(context);

  EXPECT_EQ(Column(upcoming, 0), (Texts{"戊", "丁", "丙", "乙", "甲", "己", "庚"}));
  EXPECT_EQ(Column(upcoming, 5), (Texts{"还有4天过生日", "还有3天过生日", "还有2天过生日",
                                        "明天生日", "今天生日", "今天生日", "还有10天过生日"}));
  EXPECT_EQ(tray.tips[0],
            "最近7将要过生日：\r\n甲：  今天生日\r\n己：  今天生日\r\n乙：  明天生日\r\n"
            "丙还有2天过生日\r\n…………………………");
  const std::string page = Page();
  const auto at = [&](const std::string& text) { return page.find(text); };
  EXPECT_LT(at("今天生日</FONT></P>\r\n"), at("明天生日</FONT></P>"));
  EXPECT_LT(at("明天生日</FONT></P>"), at("<STRONG>最近生日</STRONG>"));
  EXPECT_LT(at("甲(33岁)"), at("己(33岁)"));
  EXPECT_LT(at("丙(33岁)"), at("丁(33岁)"));
  EXPECT_GT(at("丙(33岁)&nbsp; 公历5月2日&nbsp; 还有2天生日&nbsp; "), at("<STRONG>"));
  EXPECT_EQ(at("庚"), std::string::npos);
  EXPECT_EQ(at("辛"), std::string::npos);
  EXPECT_NE(at(kLine + "甲(33岁)&nbsp; 公历4月30日&nbsp; 联系方式：" + kLineEnd + "\r\n" + kLine +
               "己(33岁)"),
            std::string::npos);
  EXPECT_NE(at("明天生日</FONT></P><FONT color=#ff0000 size=6>\r\n\r\n" + kLine + kLine +
               "乙(33岁)&nbsp; 公历5月1日&nbsp; 联系方式：" + kLineEnd + "\r\n" + kLineEnd +
               "</FONT>\r\n"),
            std::string::npos);
}

TEST_F(UpcomingReportTest, NotesForDatesTheYearLacks) {
  On(2013, 6, 1);  // lunar 2013-4-23; lunar month 4 has 29 days this year
  settings.WriteNumber(DaysSetting, 40);
  Friend("甲", "1980年4月30日", true, "33岁", "1");
  Friend("乙", "1980年6月30日", false);
  Friend("丙", "1990年5月12日[闰月]", true);  // no leap month this year: no note
  RecomputeUpcoming(context);
  ASSERT_EQ(upcoming.RowCount(), 3);
  const std::string page = Page();
  EXPECT_NE(page.find(kLine +
                      "甲(33岁)&nbsp; 农历4月30日&nbsp; 还有6天生日&nbsp; 联系方式：1"
                      "<BR><FONT color=#ff0000 size=2>“农历2013年4月30日不存在!"
                      "该好友的生日以农历2013年4月29日为生日计算。”"
                      "</FONT></FONT></P></FONT></FONT>\r\n" +
                      kLineEnd + "\r\n"),
            std::string::npos);
  EXPECT_EQ(page.find("<BR>"), page.rfind("<BR>"));  // one note only

  On(2013, 2, 20);
  friends.Clear();
  Friend("丁", "1992年2月29日", false);
  RecomputeUpcoming(context);
  EXPECT_NE(Page().find("还有8天生日&nbsp; 联系方式：<BR><FONT color=#ff0000 size=2>“公历2013年2月"
                        "29日不存在!该好友的生日以公历2013年2月28日为生日计算。”"),
            std::string::npos);
}

TEST_F(UpcomingReportTest, SettingsDecideWindowAndBalloon) {
  On(2013, 4, 30);
  Friend("甲", "1980年5月3日", false);
  settings.WriteNumber(PopUpSetting, 1);
  RecomputeUpcoming(context);
  EXPECT_EQ(tray.tips.size(), 1u);
  EXPECT_TRUE(tray.balloons.empty());
  settings.WriteNumber(PopUpSetting, 0);
  settings.WriteNumber(TraySetting, 1);
  RecomputeUpcoming(context);
  EXPECT_TRUE(tray.balloons.empty());
  settings.WriteNumber(TraySetting, 0);
  RecomputeUpcoming(context);
  EXPECT_EQ(tray.balloons.size(), 1u);

  settings.WriteNumber(DaysSetting, 0);  // as if missing
  RecomputeUpcoming(context);
  EXPECT_EQ(context.daysAhead, 10);
  settings.WriteNumber(DaysSetting, 3);  // 3 days away: listed, not on the page
  RecomputeUpcoming(context);
  EXPECT_EQ(upcoming.RowCount(), 1);
  EXPECT_EQ(Page(), "");
  settings.WriteNumber(DaysSetting, -5);
  RecomputeUpcoming(context);
  EXPECT_EQ(upcoming.RowCount(), 0);

  // A window of two billion days: everyone is listed, at once.
  for (int i = 0; i < 200; ++i) Friend("乙", "1980年12月1日", i % 2 == 0);
  settings.WriteNumber(DaysSetting, 2000000000);
  const auto start = std::chrono::steady_clock::now();
  RecomputeUpcoming(context);
  EXPECT_EQ(upcoming.RowCount(), 201);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
}

TEST_F(UpcomingReportTest, TypedTextsAreEscapedOnThePage) {
  On(2013, 4, 30);
  Friend("<script>alert(1)</script>", "1980年5月3日", false, "33岁", "a&b \"c\"");
  RecomputeUpcoming(context);
  const std::string page = Page();
  EXPECT_EQ(page.find("<script>"), std::string::npos);
  EXPECT_NE(page.find("&lt;script&gt;alert(1)&lt;/script&gt;(33岁)"), std::string::npos);
  EXPECT_NE(page.find("联系方式：a&amp;b &quot;c&quot;"), std::string::npos);
  EXPECT_EQ(tray.tips[0], "最近1将要过生日：\r\n<script>alert(1)</script>还有3天过生日\r\n");
}

TEST_F(UpcomingReportTest, UnwritablePageIsNoFailure) {
  On(2013, 4, 30);
  Friend("甲", "1980年5月3日", false);
  context.reportPath = folder.File("missing") + "/最近生日.html";
  RecomputeUpcoming(context);
  EXPECT_FALSE(std::filesystem::exists(folder.File("missing")));
  EXPECT_EQ(reportView.loaded, (Texts{context.reportPath}));
  EXPECT_EQ(tray.tips.size(), 1u);
}

}  // namespace
}  // namespace memo
