// Reading the upcoming page's HTML into what a reader sees: paragraphs, styles and text.
#include "reckoning/page_layout.h"

#include <gtest/gtest.h>

#include <random>

#include "sample_upcoming_page.h"

namespace memo {
namespace {

RunStyle Style(std::uint32_t color, int size, std::u16string face = u"", bool bold = false) {
  RunStyle style;
  style.color = color;
  style.size = size;
  style.face = std::move(face);
  style.bold = bold;
  return style;
}

void ExpectRun(const StyledRun& run, const RunStyle& style, const std::u16string& text) {
  EXPECT_TRUE(run.style == style) << "color " << std::hex << run.style.color << " size " << std::dec
                                  << run.style.size << " bold " << run.style.bold;
  EXPECT_EQ(run.text, text);
}

// The single run of a one-paragraph page.
StyledRun OnlyRun(const std::string& html) {
  std::vector<PageParagraph> page = LayOutPage(html);
  if (page.size() != 1 || page[0].runs.size() != 1) {
    ADD_FAILURE() << html << " gave " << page.size() << " paragraphs";
    return {};
  }
  return page[0].runs[0];
}

std::u16string TextOf(const std::string& html) {
  std::u16string text;
  for (const PageParagraph& paragraph : LayOutPage(html)) text += paragraph.Text() + u"|";
  return text;
}

TEST(PageLayout, ReadsTheUpcomingPageAsABrowserShowsIt) {
  std::vector<PageParagraph> page = LayOutPage(memo_test::SampleUpcomingPage());
  ASSERT_EQ(page.size(), 8u);
  const std::u16string hei = u"黑体";

  EXPECT_EQ(page[0].align, ParagraphAlign::kLeft);
  EXPECT_FALSE(page[0].fromP);
  ASSERT_EQ(page[0].runs.size(), 1u);
  ExpectRun(page[0].runs[0], Style(0xFF0000, 2), u"今天是 公历2012年4月15日 农历2012年3月25日");

  for (size_t i = 1; i < page.size(); ++i) {
    EXPECT_EQ(page[i].align, ParagraphAlign::kCenter) << i;
    EXPECT_TRUE(page[i].fromP) << i;
  }
  ASSERT_EQ(page[1].runs.size(), 1u);
  ExpectRun(page[1].runs[0], Style(0xFF0000, 6, hei), u"今天生日");
  ASSERT_EQ(page[2].runs.size(), 1u);
  ExpectRun(page[2].runs[0], Style(0x000000, 4, hei),
            u"张三(33岁)\u00A0 公历4月15日\u00A0 联系方式：13800000000");
  // The note sits under its line, small and red, in the same paragraph.
  ASSERT_EQ(page[3].runs.size(), 2u);
  ExpectRun(page[3].runs[0], Style(0x000000, 4, hei),
            u"李四(28岁)\u00A0 农历3月30日\u00A0 联系方式：li@example.com\n");
  ExpectRun(page[3].runs[1], Style(0xFF0000, 2, hei),
            u"“农历2012年3月30日不存在!该好友的生日以农历2012年3月29日为生日计算。”");
  ASSERT_EQ(page[4].runs.size(), 1u);
  ExpectRun(page[4].runs[0], Style(0x0000FF, 6, hei), u"明天生日");
  ASSERT_EQ(page[5].runs.size(), 1u);
  ExpectRun(page[5].runs[0], Style(0x000000, 4, hei),
            u"王五(40岁)\u00A0 公历4月16日\u00A0 联系方式：");
  // The red FONT the tomorrow heading leaves open ends with its section.
  ASSERT_EQ(page[6].runs.size(), 1u);
  ExpectRun(page[6].runs[0], Style(0x33FF00, 6, u"", true), u"最近生日");
  ASSERT_EQ(page[7].runs.size(), 1u);
  ExpectRun(page[7].runs[0], Style(0x000000, 4, hei),
            u"赵六(5岁)\u00A0 公历4月18日\u00A0 还有3天生日\u00A0 联系方式：0571-88888888");
}

TEST(PageLayout, FontColourSizeFaceAndStrong) {
  EXPECT_TRUE(OnlyRun("x").style == RunStyle());
  // Sizes: 1 to 7, or a signed change of the normal 3, clamped; nonsense changes nothing.
  const struct {
    const char* size;
    int expected;
  } sizes[] = {{"2", 2},  {"4", 4}, {"6", 6},  {" 7 ", 7}, {"+1", 4}, {"-1", 2}, {"+9", 7},
               {"-5", 1}, {"0", 1}, {"12", 7}, {"x", 5},   {"", 5},   {"+", 5}};
  for (const auto& c : sizes) {
    std::string html = std::string("<FONT size=5><FONT size=\"") + c.size + "\">x";
    EXPECT_EQ(OnlyRun(html).style.size, c.expected) << c.size;
  }
  // Colours: #rrggbb, #rgb and bare rrggbb; names and broken values change nothing.
  const struct {
    const char* color;
    std::uint32_t expected;
  } colors[] = {{"#ff0000", 0xFF0000}, {"#0000FF", 0x0000FF}, {"33ff00", 0x33FF00},
                {"#f80", 0xFF8800},    {"red", 0x123456},     {"#12345", 0x123456},
                {"#gg0000", 0x123456}, {"", 0x123456}};
  for (const auto& c : colors) {
    std::string html = std::string("<font color=#123456><font color='") + c.color + "'>x";
    EXPECT_EQ(OnlyRun(html).style.color, c.expected) << c.color;
  }
  // Faces: the first of a list, trimmed.
  EXPECT_EQ(OnlyRun("<FONT face=黑体>x").style.face, u"黑体");
  EXPECT_EQ(OnlyRun("<FONT face=\" Arial , 宋体\">x").style.face, u"Arial");
  EXPECT_EQ(OnlyRun("<FONT face=黑体><FONT face=\"\">x").style.face, u"黑体");

  // Inner FONTs change only what they name; each end tag closes the innermost FONT, even
  // with a STRONG open inside it.
  std::vector<PageParagraph> page = LayOutPage(
      "<FONT color=#ff0000 size=6 face=黑体>a<FONT size=2>b<STRONG>c</FONT>d</STRONG>e</FONT>f");
  ASSERT_EQ(page.size(), 1u);
  ASSERT_EQ(page[0].runs.size(), 6u);
  ExpectRun(page[0].runs[0], Style(0xFF0000, 6, u"黑体"), u"a");
  ExpectRun(page[0].runs[1], Style(0xFF0000, 2, u"黑体"), u"b");
  ExpectRun(page[0].runs[2], Style(0xFF0000, 2, u"黑体", true), u"c");
  ExpectRun(page[0].runs[3], Style(0xFF0000, 6, u"黑体", true), u"d");
  ExpectRun(page[0].runs[4], Style(0xFF0000, 6, u"黑体"), u"e");
  ExpectRun(page[0].runs[5], RunStyle(), u"f");

  // Formatting carries on into the next paragraph until its end tag.
  page = LayOutPage("<P><FONT color=#0000ff><STRONG>a</P><P>b</STRONG></FONT>c</P>");
  ASSERT_EQ(page.size(), 2u);
  ExpectRun(page[0].runs[0], Style(0x0000FF, 3, u"", true), u"a");
  ExpectRun(page[1].runs[0], Style(0x0000FF, 3, u"", true), u"b");
  ExpectRun(page[1].runs[1], RunStyle(), u"c");
}

TEST(PageLayout, WhiteSpaceLineBreaksAndParagraphs) {
  EXPECT_EQ(TextOf("  a \r\n\t b  "), u"a b|");
  EXPECT_EQ(TextOf("a&nbsp; &nbsp;b"), u"a\u00A0 \u00A0b|");
  EXPECT_EQ(TextOf("a <BR> b<br/><BR>"), u"a\nb\n\n|");
  EXPECT_EQ(TextOf("<P>\r\n</P>\r\n<P> </P>"), u"");
  EXPECT_EQ(TextOf("a<P>b</P>c<p>d"), u"a|b|c|d|");
  // A P inside a P closes the outer one, as in a browser; stray end tags change nothing.
  EXPECT_EQ(TextOf("<P align=center><FONT>x<P align=right>y</P></FONT></P></P>z"), u"x|y|z|");
  EXPECT_EQ(TextOf("a</FONT></STRONG></P>b"), u"ab|");
  EXPECT_EQ(TextOf(""), u"");
  EXPECT_EQ(TextOf(" \r\n "), u"");
  EXPECT_EQ(TextOf("a\x01\x1F\x7F"
                   "b"),
            u"ab|");

  const struct {
    const char* html;
    ParagraphAlign align;
  } aligns[] = {{"<P align=center>x", ParagraphAlign::kCenter},
                {"<p ALIGN=\"Right\">x", ParagraphAlign::kRight},
                {"<P align=justify>x", ParagraphAlign::kJustify},
                {"<P align=left>x", ParagraphAlign::kLeft},
                {"<P align=middle>x", ParagraphAlign::kLeft},
                {"<P>x", ParagraphAlign::kLeft}};
  for (const auto& c : aligns) {
    std::vector<PageParagraph> page = LayOutPage(c.html);
    ASSERT_EQ(page.size(), 1u) << c.html;
    EXPECT_EQ(page[0].align, c.align) << c.html;
    EXPECT_TRUE(page[0].fromP) << c.html;
  }
  std::vector<PageParagraph> page = LayOutPage("<P align=center>a</P>b");
  ASSERT_EQ(page.size(), 2u);
  EXPECT_EQ(page[1].align, ParagraphAlign::kLeft);
  EXPECT_FALSE(page[1].fromP);
}

TEST(PageLayout, CharacterReferences) {
  EXPECT_EQ(TextOf("&amp;&lt;&gt;&quot;&nbsp;"), u"&<>\"\u00A0|");
  EXPECT_EQ(TextOf("&#20013;&#x6587;&#X6587;&#65;"), u"中文文A|");
  EXPECT_EQ(TextOf("&#128512;"), u"\U0001F600|");
  EXPECT_EQ(TextOf("&#0;&#xD800;&#1114112;&#99999999999999;"), u"\uFFFD\uFFFD\uFFFD\uFFFD|");
  // Anything that is no reference stays as written.
  EXPECT_EQ(TextOf("a & b &amp &bogus; &#; &#x; &#12a; &AMP;"),
            u"a & b &amp &bogus; &#; &#x; &#12a; &AMP;|");
  EXPECT_EQ(TextOf("&nbsp"), u"&nbsp|");
  EXPECT_EQ(TextOf("x&"), u"x&|");
  // A reference in an attribute counts too.
  EXPECT_EQ(OnlyRun("<FONT color=\"&#35;ff0000\">x").style.color, 0xFF0000u);
}

TEST(PageLayout, UnknownAndBrokenMarkupStillShowsTheText) {
  EXPECT_EQ(TextOf("<TABLE><TR><TD class=x>a</TD></TR></TABLE><DIV>b</DIV>"), u"ab|");
  EXPECT_EQ(TextOf("a<!-- <P>hidden</P> -->b<!DOCTYPE html>c<?xml x?>d"), u"abcd|");
  EXPECT_EQ(TextOf("1 < 2 <3 <"), u"1 < 2 <3 <|");
  EXPECT_EQ(TextOf("a</>b</ x>c"), u"abc|");
  EXPECT_EQ(TextOf("a<FONT color=\"#ff0000>b"), u"a|");  // cut off inside a tag
  EXPECT_EQ(TextOf("a<FONT"), u"a|");
  EXPECT_EQ(TextOf("a<!-- b"), u"a|");
  EXPECT_EQ(TextOf("<font a=1 b c='3' d = \"4\" / >x"), u"x|");
  EXPECT_EQ(TextOf("<FONT color=>x"), u"x|");
  // Bytes that are no GBK become replacement characters, the rest of the text survives.
  EXPECT_EQ(TextOf(std::string("a\x81") + "<BR>年"), u"a\uFFFD\n年|");

  // Deep nesting and long junk neither crash nor hang.
  std::string deep;
  for (int i = 0; i < 20000; ++i) deep += "<FONT size=+1><STRONG>";
  deep += "x";
  for (int i = 0; i < 20000; ++i) deep += "</FONT>";
  StyledRun run = OnlyRun(deep);
  EXPECT_EQ(run.text, u"x");
  EXPECT_EQ(run.style.size, 4);  // +1 counts from the normal size, not the outer one
  EXPECT_TRUE(run.style.bold);

  std::mt19937 random(2012);
  const std::string alphabet = "<>/&#;=\"' PFONTBRSTRONGalign=center#ff0000x\r\n\x81\xA1";
  for (int round = 0; round < 2000; ++round) {
    std::string junk;
    size_t length = random() % 60;
    for (size_t i = 0; i < length; ++i) junk += alphabet[random() % alphabet.size()];
    for (const PageParagraph& paragraph : LayOutPage(junk)) {
      EXPECT_FALSE(paragraph.runs.empty()) << junk;
      for (const StyledRun& r : paragraph.runs) {
        EXPECT_FALSE(r.text.empty()) << junk;
        EXPECT_GE(r.style.size, 1);
        EXPECT_LE(r.style.size, 7);
      }
    }
  }
}

}  // namespace
}  // namespace memo
