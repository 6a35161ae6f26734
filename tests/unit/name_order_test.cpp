// The order of names: pinyin, surnames read as surnames, Latin letters among the same
// letters, and what is not Chinese after it all.
#include "records/name_order.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "records/surname_readings.h"
#include "text/gb18030.h"
#include "text/text_codec.h"

namespace memo {
namespace {

TEST(NameOrder, OrdersAsAnAddressBook) {
  // UTF-8 literals: the names as the table keeps them.
  // Latin letters go letter by letter, so "Chen Li" files before 曹 (c < cao); a Latin
  // letter and the first level come before the other characters of the same spelling.
  const std::vector<std::string> ascending = {
      u8"",       u8"007",  u8"Alice",    u8"阿伟", u8"Chen Li", u8"曹操", u8"陈", u8"陈晨",
      u8"丹",     u8"邓",   u8"葛",       u8"盖",   u8"𠀀",      u8"lily", u8"李", u8"林",
      u8"吕",     u8"缪",   u8"万俟卨",   u8"区",   u8"朴",      u8"覃",   u8"仇", u8"单",
      u8"单雄信", u8"王",   u8"解",       u8"䶮",   u8"尉迟恭",  u8"曾",   u8"查", u8"翟",
      u8"张",     u8"张三", u8"长孙无忌", u8"赵",   u8"Ωmega",   u8"김",
  };

  std::vector<std::string> sorted = ascending;
  std::reverse(sorted.begin(), sorted.end());
  std::stable_sort(sorted.begin(), sorted.end(), [](const std::string& a, const std::string& b) {
    return CompareInNameOrder(a, b) < 0;
  });
  ASSERT_EQ(sorted.size(), ascending.size());
  for (size_t i = 0; i < sorted.size(); ++i) EXPECT_EQ(sorted[i], ascending[i]) << i;
}

// Each pair in name order: characters beyond the first level among it by syllable and tone,
// Latin names without case first.
TEST(NameOrder, OtherCharactersGoByToneAndLettersByCaseLast) {
  const std::pair<const char*, const char*> pairs[] = {
      {u8"刘", u8"劉调"},     {u8"劉调", u8"柳宇军"}, {u8"羅", u8"骆"},
      {u8"邬", u8"伍"},       {u8"盧", u8"陆"},       {u8"郗", u8"席"},
      {u8"鍾", u8"仲"},       {u8"琶", u8"帕"},       {u8"𠮷祥", u8"周"},
      {u8"alice", u8"Alice"}, {u8"Alice", u8"Anna"},  {u8"Alice", u8"alice1"},
      {u8"aLice", u8"Alice"},
  };
  for (const auto& [before, after] : pairs) {
    EXPECT_LT(CompareInNameOrder(before, after), 0) << before << " " << after;
    EXPECT_GT(CompareInNameOrder(after, before), 0) << before << " " << after;
  }
}

// Names of one character of GB 2312's first level with a single reading keep the order of
// their GBK bytes within each syllable and tone.
TEST(NameOrder, FirstLevelKeepsItsGbkOrderWithinASyllableAndTone) {
  std::map<PinyinReading, std::vector<std::string>> byReading;
  for (uint32_t code = 0; code < 0x10000; ++code) {
    const uint16_t gbk = GbkCode(code);
    const PinyinReading* readings = PinyinReadingsOf(code);
    if (gbk < 0xB0A1 || gbk > 0xD7F9 || (gbk & 0xFF) < 0xA1 || readings[1] != 0) continue;
    byReading[readings[0]].push_back(
        Gb18030ToUtf8(std::string{static_cast<char>(gbk >> 8), static_cast<char>(gbk)}));
  }
  for (auto& [reading, byGbk] : byReading) {
    std::sort(byGbk.begin(), byGbk.end(), [](const std::string& a, const std::string& b) {
      return Utf8ToGb18030(a) < Utf8ToGb18030(b);
    });
    std::vector<std::string> byName = byGbk;
    std::sort(byName.begin(), byName.end(), [](const std::string& a, const std::string& b) {
      return CompareInNameOrder(a, b) < 0;
    });
    EXPECT_EQ(byName, byGbk) << PinyinSyllable(reading) << PinyinTone(reading);
  }
}

TEST(SurnameReadings, ReadsTheStartOfANameAsASurname) {
  const std::pair<std::u32string_view, const char*> cases[] = {
      {U"曾国藩", "zeng1"},    {U"单雄信", "shan4"},   {U"长孙无忌", "zhang3 sun1"},
      {U"尉迟恭", "yu4 chi2"}, {U"万俟卨", "mo4 qi2"}, {U"长江", ""},
      {U"张曾", ""},
  };
  for (const auto& [name, expected] : cases) {
    PinyinReading readings[kLongestSurname] = {};
    std::string text;
    for (size_t i = 0; i < SurnameReadings(name, readings); ++i) {
      text += (text.empty() ? "" : " ") + std::string(PinyinSyllable(readings[i])) +
              std::to_string(PinyinTone(readings[i]));
    }
    EXPECT_EQ(text, expected);
  }
}

}  // namespace
}  // namespace memo
