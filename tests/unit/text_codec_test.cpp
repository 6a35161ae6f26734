// GBK <-> UTF-16 / UTF-8 at the program's boundaries.
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
  EXPECT_EQ(GbkToUtf8("年"), "\xE5\xB9\xB4");
  EXPECT_EQ(Utf8ToGbk("\xE5\xB9\xB4"), "年");
  EXPECT_EQ(Utf8ToGbk(GbkToUtf8(gbk)), gbk);
  EXPECT_EQ(GbkToUtf16("年"), std::u16string(u"\u5E74"));
  EXPECT_EQ(Utf16ToGbk(GbkToUtf16(gbk)), gbk);
  EXPECT_EQ(GbkToUtf8(""), "");
  EXPECT_EQ(GbkToUtf16(""), std::u16string());
}

TEST(TextCodec, BadInputIsReplacedNotDropped) {
  // A lead byte without its trail byte, and invalid UTF-8, keep the rest of the text.
  EXPECT_EQ(GbkToUtf8(std::string("a\x81\x7F") + "b"),
            "a\xEF\xBF\xBD\x7F"
            "b");
  EXPECT_EQ(GbkToUtf8(std::string("ab\x81")), "ab\xEF\xBF\xBD");
  EXPECT_EQ(Utf8ToGbk("a\xFF"
                      "b"),
            "a?b");
  // A character that GBK cannot hold (U+1F600) becomes a question mark.
  EXPECT_EQ(Utf8ToGbk("x\xF0\x9F\x98\x80y"), "x?y");
}

std::string Repeated(const std::string& piece) {
  std::string all;
  for (int i = 0; i < 200; ++i) all += piece;
  return all;
}

TEST(TextCodec, LongTextsKeepEveryCharacterWhole) {
  // Characters of an odd number of bytes, so that some lie across every place where the
  // converter might take a long text apart. U+1F600, which GBK lacks, sends the UTF-8 text
  // past the table to the converter.
  EXPECT_EQ(GbkToUtf8(Repeated("寿a")), Repeated("\xE5\xAF\xBF"
                                                 "a"));
  EXPECT_EQ(Utf8ToGbk("\xF0\x9F\x98\x80" + Repeated("\xE5\xAF\xBF")), "?" + Repeated("寿"));
}

}  // namespace
}  // namespace memo
