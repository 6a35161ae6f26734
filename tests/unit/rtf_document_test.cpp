// The upcoming page as RTF for the report view.
#include "reckoning/page_rtf.h"

#include <gtest/gtest.h>

#include <random>

#include "sample_upcoming_page.h"

namespace memo {
namespace {

bool Contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

// Braces balance and never close more than is open, outside escapes.
bool BracesBalance(const std::string& rtf) {
  int depth = 0;
  for (size_t i = 0; i < rtf.size(); ++i) {
    if (rtf[i] == '\\') {
      ++i;
    } else if (rtf[i] == '{') {
      ++depth;
    } else if (rtf[i] == '}' && --depth < 0) {
      return false;
    }
  }
  return depth == 0;
}

bool AllAscii(const std::string& text) {
  for (char c : text) {
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  }
  return true;
}

TEST(PageRtf, WritesTheSamplePageWithItsFontsColoursAndParagraphs) {
  std::string rtf = PageHtmlToRtf(memo_test::SampleUpcomingPage());
  EXPECT_TRUE(AllAscii(rtf));
  EXPECT_TRUE(BracesBalance(rtf));
  EXPECT_EQ(rtf.rfind("{\\rtf1\\ansi\\ansicpg936\\deff0\\uc1", 0), 0u);
  EXPECT_TRUE(Contains(rtf,
                       "{\\fonttbl{\\f0\\fnil\\fcharset134 SimSun;}"
                       "{\\f1\\fnil\\fcharset134 SimHei;}}"));
  // Colours in order of first use: red, black, blue, green.
  EXPECT_TRUE(Contains(rtf,
                       "{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green0\\blue0;"
                       "\\red0\\green0\\blue255;\\red51\\green255\\blue0;}"));
  // Today line: left, small red, default face; 今 is U+4ECA.
  EXPECT_TRUE(Contains(rtf, "\\pard\\ql {\\plain\\f0\\fs20\\cf1 \\u20170?\\u22825?"));
  // Headings: centred, 24 points, 黑体 for the first two, bold for the third.
  EXPECT_TRUE(Contains(rtf, "\\pard\\qc\\sb240\\sa240 {\\plain\\f1\\fs48\\cf1 \\u20170?\\u22825?"));
  EXPECT_TRUE(Contains(rtf, "\\pard\\qc\\sa240 {\\plain\\f1\\fs48\\cf3 \\u26126?\\u22825?"));
  EXPECT_TRUE(Contains(rtf, "\\pard\\qc\\sa240 {\\plain\\f0\\fs48\\cf4\\b \\u26368?\\u-28719?"));
  // Lines: 13.5 points black 黑体; the note after a line break, 10 points red.
  EXPECT_TRUE(Contains(rtf, "{\\plain\\f1\\fs27\\cf2 \\u24352?\\u19977?(33\\u23681?)\\~ "));
  EXPECT_TRUE(Contains(rtf, "li@example.com\\line }{\\plain\\f1\\fs20\\cf1 \\u8220?"));
  const std::string end = "0571-88888888}\\par\r\n}";
  EXPECT_EQ(rtf.substr(rtf.size() - end.size()), end);
}

TEST(PageRtf, EscapesEveryCharacterOutsideAscii) {
  auto runText = [](const std::u16string& text) {
    PageParagraph paragraph;
    paragraph.runs.push_back({RunStyle(), text});
    std::string rtf = PageRtf({paragraph});
    size_t begin = rtf.find("\\cf0 ") + 5;
    return rtf.substr(begin, rtf.rfind("}\\par") - begin);
  };
  EXPECT_EQ(runText(u"中"), "\\u20013?");
  EXPECT_EQ(runText(u"\u9FA5"), "\\u-24667?");  // above 32767: a negative 16-bit number
  EXPECT_EQ(runText(u"\uFFFD"), "\\u-3?");
  EXPECT_EQ(runText(u"\U0001F600"), "\\u-10179?\\u-8704?");
  EXPECT_EQ(runText(u"a\\b{c}d"), "a\\\\b\\{c\\}d");
  EXPECT_EQ(runText(u"1\n2\u00A03"), "1\\line 2\\~3");
  EXPECT_EQ(runText(u"\u00E9~"), "\\u233?~");
}

TEST(PageRtf, SizesFacesAndAlignment) {
  const int halfPoints[] = {15, 20, 24, 27, 36, 48, 72};
  for (int size = 1; size <= 7; ++size) EXPECT_EQ(HalfPointsOfHtmlSize(size), halfPoints[size - 1]);
  EXPECT_EQ(HalfPointsOfHtmlSize(0), 15);
  EXPECT_EQ(HalfPointsOfHtmlSize(99), 72);

  EXPECT_EQ(RtfFaceName(u"黑体"), "SimHei");
  EXPECT_EQ(RtfFaceName(u"宋体"), "SimSun");
  EXPECT_EQ(RtfFaceName(u"Arial"), "Arial");
  EXPECT_EQ(RtfFaceName(u"A{b};\\c"), "Abc");
  EXPECT_EQ(RtfFaceName(u"华文行楷"), "");
  EXPECT_EQ(RtfFaceName(u""), "");

  std::string rtf = PageHtmlToRtf(
      "<P align=right><FONT face=Arial>r</FONT></P><P align=justify>j</P>"
      "<FONT face=华文行楷 size=7>u</FONT><P>l</P><FONT face=Arial color=#000000>a</FONT>");
  EXPECT_TRUE(Contains(rtf, "{\\f1\\fnil\\fcharset134 Arial;}}"));
  EXPECT_TRUE(Contains(rtf, "\\pard\\qr\\sa240 {\\plain\\f1\\fs24\\cf0 r}\\par"));
  EXPECT_TRUE(Contains(rtf, "\\pard\\qj\\sa240 {\\plain\\f0\\fs24\\cf0 j}\\par"));
  // Text between paragraphs has no gap of its own; the paragraph after it gets one above.
  EXPECT_TRUE(Contains(rtf, "\\pard\\ql {\\plain\\f0\\fs72\\cf0 u}\\par"));
  EXPECT_TRUE(Contains(rtf, "\\pard\\ql\\sb240\\sa240 {\\plain\\f0\\fs24\\cf0 l}\\par"));
  EXPECT_TRUE(Contains(rtf, "\\pard\\ql {\\plain\\f1\\fs24\\cf1 a}\\par"));
}

TEST(PageRtf, EmptyAndBrokenPagesGiveSoundRtf) {
  EXPECT_EQ(PageHtmlToRtf(""),
            "{\\rtf1\\ansi\\ansicpg936\\deff0\\uc1{\\fonttbl{\\f0\\fnil\\fcharset134 SimSun;}}"
            "{\\colortbl ;}\r\n}");
  EXPECT_EQ(PageHtmlToRtf("\r\n<P></P>"), PageHtmlToRtf(""));

  std::mt19937 random(936);
  const std::string alphabet = "<>/&#;=\"'{}\\ PFONTBRSTRONG face=color=#f0\r\n\x81\xA1\xB0\x5C";
  for (int round = 0; round < 2000; ++round) {
    std::string junk;
    size_t length = random() % 80;
    for (size_t i = 0; i < length; ++i) junk += alphabet[random() % alphabet.size()];
    std::string rtf = PageHtmlToRtf(junk);
    ASSERT_TRUE(BracesBalance(rtf)) << junk;
    ASSERT_TRUE(AllAscii(rtf)) << junk;
  }
}

}  // namespace
}  // namespace memo
