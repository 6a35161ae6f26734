// What the report view shows of the upcoming entries: the paragraphs, styles and texts a
// browser shows of the upcoming page, and the RTF they are written as.
#include "report/upcoming_rtf.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

#include "sample_upcoming_page.h"

namespace memo {
namespace {

RunStyle Style(std::uint32_t color, int size, Face face = Face::kDefault, bool bold = false) {
  return RunStyle{color, size, face, bold};
}

void ExpectRun(const StyledRun& run, const RunStyle& style, const std::u16string& text) {
  EXPECT_TRUE(run.style == style) << "color " << std::hex << run.style.color << " size " << std::dec
                                  << run.style.size << " bold " << run.style.bold;
  EXPECT_EQ(run.text, text);
}

std::vector<Paragraph> SampleParagraphs() {
  const std::vector<UpcomingEntry> entries = memo_test::SampleUpcomingEntries();
  return UpcomingParagraphs(entries, memo_test::SampleToday());
}

// The paragraph of one entry whose name and contact are these.
Paragraph LineOf(const std::string& name, const std::string& contact = "") {
  UpcomingEntry entry = memo_test::SampleUpcomingEntries()[2];
  entry.person.name = name;
  entry.person.contact = contact;
  const std::vector<Paragraph> paragraphs = UpcomingParagraphs({entry}, memo_test::SampleToday());
  return paragraphs.size() == 3 ? paragraphs[2] : Paragraph();
}

TEST(UpcomingRtf, ShowsTheEntriesAsABrowserShowsTheirPage) {
  const std::vector<Paragraph> page = SampleParagraphs();
  ASSERT_EQ(page.size(), 8u);

  EXPECT_EQ(page[0].align, ParagraphAlign::kLeft);
  EXPECT_FALSE(page[0].spaced);
  ASSERT_EQ(page[0].runs.size(), 1u);
  ExpectRun(page[0].runs[0], Style(0xFF0000, 2), u"今天是 公历2012年4月15日 农历2012年3月25日");

  for (size_t i = 1; i < page.size(); ++i) {
    EXPECT_EQ(page[i].align, ParagraphAlign::kCenter) << i;
    EXPECT_TRUE(page[i].spaced) << i;
  }
  ASSERT_EQ(page[1].runs.size(), 1u);
  ExpectRun(page[1].runs[0], Style(0xE00000, 6, Face::kHei), u"今天生日");
  ASSERT_EQ(page[2].runs.size(), 1u);
  ExpectRun(page[2].runs[0], Style(0x000000, 4, Face::kHei),
            u"张三(33岁)\u00A0 公历4月15日\u00A0 联系方式：13800000000");
  // The note sits under its line, small and red, in the same paragraph.
  ASSERT_EQ(page[3].runs.size(), 2u);
  ExpectRun(page[3].runs[0], Style(0x000000, 4, Face::kHei),
            u"李四(28岁)\u00A0 农历3月30日\u00A0 联系方式：li@example.com\n");
  ExpectRun(page[3].runs[1], Style(0xFF0000, 2, Face::kHei),
            u"农历2012年3月30日不存在!该好友的生日以农历2012年3月29日为生日计算。");
  ASSERT_EQ(page[4].runs.size(), 1u);
  ExpectRun(page[4].runs[0], Style(0x0000FF, 6, Face::kHei), u"明天生日");
  ASSERT_EQ(page[5].runs.size(), 1u);
  ExpectRun(page[5].runs[0], Style(0x000000, 4, Face::kHei), u"王五(40岁)\u00A0 公历4月16日");
  ASSERT_EQ(page[6].runs.size(), 1u);
  ExpectRun(page[6].runs[0], Style(0x1A8000, 6, Face::kDefault, true), u"最近生日");
  ASSERT_EQ(page[7].runs.size(), 1u);
  ExpectRun(page[7].runs[0], Style(0x000000, 4, Face::kHei),
            u"赵六(5岁)\u00A0 公历4月18日\u00A0 还有3天生日\u00A0 联系方式：0571-88888888");
  EXPECT_TRUE(UpcomingParagraphs({}, memo_test::SampleToday()).empty());
}

// The contrast of a colour on white, as readability guidelines reckon it.
double ContrastOnWhite(std::uint32_t rgb) {
  const auto linear = [](std::uint32_t channel) {
    const double c = channel / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
  };
  const double luminance =
      0.2126 * linear(rgb >> 16) + 0.7152 * linear((rgb >> 8) & 0xFF) + 0.0722 * linear(rgb & 0xFF);
  return 1.05 / (luminance + 0.05);
}

// The headings of the page and of the report view can be read on their white.
TEST(UpcomingRtf, HeadingsHaveAContrastOfAtLeastFourAndAHalfOnWhite) {
  std::vector<std::uint32_t> colours;
  for (const Paragraph& paragraph : SampleParagraphs()) {
    if (paragraph.runs.size() == 1 && paragraph.runs[0].style.size == 6) {
      colours.push_back(paragraph.runs[0].style.color);
    }
  }
  const std::string page = memo_test::SampleUpcomingPage();
  const std::string kColour = "color=#";
  for (size_t at = page.find(kColour); at != std::string::npos; at = page.find(kColour, at + 1)) {
    if (page.compare(at + kColour.size() + 6, 7, " size=6") == 0 &&
        page.find("生日", at) < page.find("</FONT>", at)) {
      colours.push_back(std::stoul(page.substr(at + kColour.size(), 6), nullptr, 16));
    }
  }
  ASSERT_EQ(colours.size(), 6u);  // three headings, each on the page and in the view
  for (std::uint32_t colour : colours)
    EXPECT_GE(ContrastOnWhite(colour), 4.5) << std::hex << colour;
}

// Typed texts show as a browser shows them on the page: blanks collapse, control
// characters vanish, and whatever looks like markup or a reference is plain text.
TEST(UpcomingRtf, TypedTextsShowAsOnThePage) {
  const struct {
    const char* name;
    const char* contact;
    std::u16string shown;
  } cases[] = {
      {"  张 \t\f 三  ", "  a  b  ", u"张 三 (40岁)\u00A0 公历4月16日\u00A0 联系方式： a b"},
      {"张\r\n\r\n三", "1\n2", u"张 三(40岁)\u00A0 公历4月16日\u00A0 联系方式：1 2"},
      {"a\x01\x1F\x7F"
       "b",
       "", u"ab(40岁)\u00A0 公历4月16日"},
      {"&amp;&lt;&#20013;&nbsp;", "<P>x</P><!-- y",
       u"&amp;&lt;&#20013;&nbsp;(40岁)\u00A0 公历4月16日"
       u"\u00A0 联系方式：<P>x</P><!-- y"},
      {"<FONT color=#ff0000>红</FONT>", "\"q\" & 'r'",
       u"<FONT color=#ff0000>红</FONT>(40岁)\u00A0 公历4月16日\u00A0 联系方式：\"q\" & 'r'"},
      // Bytes that are no GBK become replacement characters, the rest of the text survives.
      {"a\x81", "\x81", u"a\uFFFD(40岁)\u00A0 公历4月16日\u00A0 联系方式：\uFFFD"},
  };
  for (const auto& c : cases) {
    const Paragraph line = LineOf(c.name, c.contact);
    std::u16string text;
    for (const StyledRun& run : line.runs) text += run.text;
    EXPECT_EQ(text, c.shown) << c.name;
    EXPECT_EQ(line.runs.size(), 1u) << c.name;
  }
}

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

TEST(UpcomingRtf, WritesTheSampleWithItsFontsColoursAndParagraphs) {
  const std::vector<UpcomingEntry> entries = memo_test::SampleUpcomingEntries();
  std::string rtf = UpcomingRtf(entries, memo_test::SampleToday());
  EXPECT_TRUE(AllAscii(rtf));
  EXPECT_TRUE(BracesBalance(rtf));
  EXPECT_EQ(rtf.rfind("{\\rtf1\\ansi\\ansicpg936\\deff0\\uc1", 0), 0u);
  EXPECT_TRUE(Contains(rtf,
                       "{\\fonttbl{\\f0\\fnil\\fcharset134 SimSun;}"
                       "{\\f1\\fnil\\fcharset134 SimHei;}}"));
  // Colours in order of first use: red, the headings' darker red, black, blue, green.
  EXPECT_TRUE(Contains(rtf,
                       "{\\colortbl ;\\red255\\green0\\blue0;\\red224\\green0\\blue0;"
                       "\\red0\\green0\\blue0;\\red0\\green0\\blue255;\\red26\\green128\\blue0;}"));
  // Today line: left, small red, default face; 今 is U+4ECA.
  EXPECT_TRUE(Contains(rtf, "\\pard\\ql {\\plain\\f0\\fs20\\cf1 \\u20170?\\u22825?"));
  // Headings: centred, 24 points, 黑体 for the first two, bold for the third.
  EXPECT_TRUE(Contains(rtf, "\\pard\\qc\\sb240\\sa240 {\\plain\\f1\\fs48\\cf2 \\u20170?\\u22825?"));
  EXPECT_TRUE(Contains(rtf, "\\pard\\qc\\sa240 {\\plain\\f1\\fs48\\cf4 \\u26126?\\u22825?"));
  EXPECT_TRUE(Contains(rtf, "\\pard\\qc\\sa240 {\\plain\\f0\\fs48\\cf5\\b \\u26368?\\u-28719?"));
  // Lines: 13.5 points black 黑体; the note after a line break, 10 points red.
  EXPECT_TRUE(Contains(rtf, "{\\plain\\f1\\fs27\\cf3 \\u24352?\\u19977?(33\\u23681?)\\~ "));
  EXPECT_TRUE(Contains(rtf, "li@example.com\\line }{\\plain\\f1\\fs20\\cf1 \\u20892?"));
  const std::string end = "0571-88888888}\\par\r\n}";
  EXPECT_EQ(rtf.substr(rtf.size() - end.size()), end);
}

TEST(UpcomingRtf, NoEntriesAndAnyTypedTextGiveSoundRtf) {
  EXPECT_EQ(UpcomingRtf({}, memo_test::SampleToday()),
            "{\\rtf1\\ansi\\ansicpg936\\deff0\\uc1{\\fonttbl{\\f0\\fnil\\fcharset134 SimSun;}}"
            "{\\colortbl ;}\r\n}");

  std::mt19937 random(936);
  const std::string alphabet = "<>/&#;=\"'{}\\ PFONTBRSTRONG face=color=#f0\r\n\x81\xA1\xB0\x5C";
  std::vector<UpcomingEntry> entries = memo_test::SampleUpcomingEntries();
  for (int round = 0; round < 500; ++round) {
    for (UpcomingEntry& entry : entries) {
      for (std::string* text : {&entry.person.name, &entry.person.contact}) {
        text->clear();
        for (size_t i = random() % 40; i > 0; --i) *text += alphabet[random() % alphabet.size()];
      }
    }
    const std::string rtf = UpcomingRtf(entries, memo_test::SampleToday());
    ASSERT_TRUE(BracesBalance(rtf)) << entries[0].person.name;
    ASSERT_TRUE(AllAscii(rtf)) << entries[0].person.name;
  }
}

}  // namespace
}  // namespace memo
