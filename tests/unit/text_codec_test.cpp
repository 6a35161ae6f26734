// The inside encoding <-> UTF-16 / UTF-8 at the program's boundaries.
#include <gtest/gtest.h>

#include "text/text_codec.h"

namespace memo {
namespace {

TEST(TextCodec, LiteralsAreGbkBytes) {
  EXPECT_EQ(std::string("年"), std::string("\xC4\xEA"));
  // 淺 ends in a backslash byte and must survive the literal.
  EXPECT_EQ(std::string("淺"), std::string("\x9C\x5C"));
}

TEST(TextCodec, RoundTripsThroughUtf8AndUtf16) {
  const std::string gbk = "寿辰备忘录：2012年2月29日[闰月] abc";
  EXPECT_EQ(Gb18030ToUtf8("年"), "\xE5\xB9\xB4");
  EXPECT_EQ(Utf8ToGb18030("\xE5\xB9\xB4"), "年");
  EXPECT_EQ(Utf8ToGb18030(Gb18030ToUtf8(gbk)), gbk);
  EXPECT_EQ(Gb18030ToUtf16("年"), std::u16string(u"\u5E74"));
  EXPECT_EQ(Utf16ToGb18030(Gb18030ToUtf16(gbk)), gbk);
  EXPECT_EQ(Gb18030ToUtf8(""), "");
  EXPECT_EQ(Gb18030ToUtf16(""), std::u16string());
}

TEST(TextCodec, BadInputIsReplacedNotDropped) {
  // A lead byte without its trail byte, and invalid UTF-8, keep the rest of the text.
  EXPECT_EQ(Gb18030ToUtf8(std::string("a\x81\x7F") + "b"),
            "a\xEF\xBF\xBD\x7F"
            "b");
  EXPECT_EQ(Gb18030ToUtf8(std::string("ab\x81")), "ab\xEF\xBF\xBD");
  // U+FFFD is 84 31 A4 37; a cut sequence is one mark, and the next character survives.
  EXPECT_EQ(Utf8ToGb18030("a\xFF"
                          "b\xE5\xB9"
                          "c"),
            "a\x84\x31\xA4\x37"
            "b\x84\x31\xA4\x37"
            "c");
  // A lone surrogate, as an edit box may hold, is the only UTF-16 that changes.
  EXPECT_EQ(Utf16ToGb18030(u"a\xD800"
                           u"b\xDC00"),
            "a\x84\x31\xA4\x37"
            "b\x84\x31\xA4\x37");
}

TEST(TextCodec, CharactersBeyondGbkSurviveEveryConversion) {
  // 𬌗 (Extension B, in the general standard table), 䶮 (Extension A), an emoji, the euro.
  const std::string utf8 = u8"王𬌗刘䶮😀€";
  const std::string inside = Utf8ToGb18030(utf8);
  EXPECT_EQ(inside.substr(0, 2), "王");
  EXPECT_EQ(Gb18030ToUtf8(inside), utf8);
  EXPECT_EQ(Gb18030ToUtf16(inside), u"王\U0002C317刘\u4DAE\U0001F600\u20AC");
  EXPECT_EQ(Utf16ToGb18030(Gb18030ToUtf16(inside)), inside);
  EXPECT_FALSE(IsWellFormedUtf8("a\xED\xA0\x80"));  // an encoded surrogate
  EXPECT_TRUE(IsWellFormedUtf8(utf8));
}

std::string Repeated(const std::string& piece) {
  std::string all;
  for (int i = 0; i < 200; ++i) all += piece;
  return all;
}

TEST(TextCodec, LongTextsKeepEveryCharacterWhole) {
  // U+1F600, which GBK lacks, sends the UTF-8 text past the table to the converter.
  EXPECT_EQ(Gb18030ToUtf8(Repeated("寿a")), Repeated("\xE5\xAF\xBF"
                                                     "a"));
  EXPECT_EQ(Utf8ToGb18030("\xF0\x9F\x98\x80" + Repeated("\xE5\xAF\xBF")),
            "\x94\x39\xFC\x36" + Repeated("寿"));
}

}  // namespace
}  // namespace memo
