// Byte-exact text operations that never split a double-byte GBK character.
#include "text/text_operations.h"

#include <gtest/gtest.h>

namespace memo {
namespace {

TEST(TextOperations, FindTextCountsBytesFromOneAndSkipsHalfCharacters) {
  EXPECT_EQ(FindText("1990年5月12日[闰月]", "[闰月]"), 14);
  EXPECT_EQ(FindText("abc", "c"), 3);
  EXPECT_EQ(FindText("abc", "d"), -1);
  EXPECT_EQ(FindText("abc", ""), -1);
  EXPECT_EQ(FindText("abc", "C"), -1);
  // 昂 is B0 BA and 合 is BA CF: the "BA" that spans both is no match.
  EXPECT_EQ(FindText("昂合", std::string("\xBA\xCF")), 3);
  EXPECT_EQ(FindText(std::string("\xB0\xBA\xCF"), std::string("\xBA\xCF")), -1);
}

TEST(TextOperations, ReplaceTextReplacesEveryWholeOccurrence) {
  EXPECT_EQ(ReplaceText("1990年5月12日[闰月]", "[闰月]", ""), "1990年5月12日");
  EXPECT_EQ(ReplaceText("%y-%y", "%y", "2024"), "2024-2024");
  EXPECT_EQ(ReplaceText("aaa", "aa", "b"), "ba");
  EXPECT_EQ(ReplaceText("", "a", "b"), "");
  EXPECT_EQ(ReplaceText("abc", "", "x"), "abc");
  EXPECT_EQ(ReplaceText("还有12天过生日", "还有", ""), "12天过生日");
  EXPECT_EQ(ReplaceText(std::string("\xB0\xBA\xCF"), std::string("\xBA\xCF"), "x"),
            std::string("\xB0\xBA\xCF"));
}

TEST(TextOperations, FoldFullWidthTurnsFullWidthFormsIntoAscii) {
  EXPECT_EQ(FoldFullWidth("２０１３年５月３日"), "2013年5月3日");
  EXPECT_EQ(FoldFullWidth("ＡＢｃ！　－．／："), "ABc! -./:");
  EXPECT_EQ(FoldFullWidth("寿辰"), "寿辰");
}

TEST(TextOperations, PrefixLengthStopsBeforeASplitCharacter) {
  EXPECT_EQ(Gb18030PrefixLength("寿辰备忘录", 127), 10u);
  EXPECT_EQ(Gb18030PrefixLength("寿辰备忘录", 5), 4u);
  EXPECT_EQ(Gb18030PrefixLength("a寿辰", 2), 1u);
  EXPECT_EQ(Gb18030PrefixLength("a寿辰", 3), 3u);
  EXPECT_EQ(Gb18030PrefixLength("", 3), 0u);
}

}  // namespace
}  // namespace memo
