// Paragraphs of styled runs written as RTF for the report view.
#include "report/rtf_document.h"

#include <gtest/gtest.h>

namespace memo {
namespace {

bool Contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

Paragraph OneRun(ParagraphAlign align, bool spaced, RunStyle style, std::u16string text) {
  return Paragraph{align, spaced, {{style, std::move(text)}}};
}

TEST(RtfDocument, EscapesEveryCharacterOutsideAscii) {
  auto runText = [](const std::u16string& text) {
    std::string rtf = RtfDocument({OneRun(ParagraphAlign::kLeft, false, RunStyle(), text)});
    size_t begin = rtf.find("\\cf1 ") + 5;
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

TEST(RtfDocument, SizesFacesColoursAndParagraphGaps) {
  const int halfPoints[] = {15, 20, 24, 27, 36, 48, 72};
  for (int size = 1; size <= 7; ++size) EXPECT_EQ(HalfPointsOfHtmlSize(size), halfPoints[size - 1]);
  EXPECT_EQ(HalfPointsOfHtmlSize(0), 15);
  EXPECT_EQ(HalfPointsOfHtmlSize(99), 72);

  const RunStyle black{0x000000, 3, Face::kDefault, false};
  const RunStyle red{0xFF0000, 7, Face::kHei, true};
  std::string rtf = RtfDocument({OneRun(ParagraphAlign::kLeft, false, black, u"u"),
                                 OneRun(ParagraphAlign::kCenter, true, red, u"l"),
                                 OneRun(ParagraphAlign::kCenter, true, black, u"m"),
                                 OneRun(ParagraphAlign::kLeft, false, red, u"a")});
  EXPECT_TRUE(Contains(rtf,
                       "{\\fonttbl{\\f0\\fnil\\fcharset134 SimSun;}"
                       "{\\f1\\fnil\\fcharset134 SimHei;}}"));
  EXPECT_TRUE(Contains(rtf, "{\\colortbl ;\\red0\\green0\\blue0;\\red255\\green0\\blue0;}"));
  // A spaced paragraph after an unspaced one gets a gap above; neighbouring gaps collapse.
  EXPECT_TRUE(Contains(rtf, "\\pard\\ql {\\plain\\f0\\fs24\\cf1 u}\\par"));
  EXPECT_TRUE(Contains(rtf, "\\pard\\qc\\sb240\\sa240 {\\plain\\f1\\fs72\\cf2\\b l}\\par"));
  EXPECT_TRUE(Contains(rtf, "\\pard\\qc\\sa240 {\\plain\\f0\\fs24\\cf1 m}\\par"));
  EXPECT_TRUE(Contains(rtf, "\\pard\\ql {\\plain\\f1\\fs72\\cf2\\b a}\\par"));
  // Without 黑体 the font table has the default face only.
  EXPECT_TRUE(Contains(RtfDocument({OneRun(ParagraphAlign::kLeft, false, black, u"x")}),
                       "{\\fonttbl{\\f0\\fnil\\fcharset134 SimSun;}}"));
}

}  // namespace
}  // namespace memo
