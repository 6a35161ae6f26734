// The pinyin table: the generator's reading of Unihan lines, and the table the build made.
#include <gtest/gtest.h>

#include <sstream>

#include "table_source.h"
#include "text/pinyin.h"
#include "unihan_readings.h"
#include "unihan_variants.h"

namespace memo {
namespace {

using pinyin_table::Reading;

std::string Spelled(const std::vector<Reading>& readings) {
  std::string text;
  for (const Reading& reading : readings) {
    text += (text.empty() ? "" : " ") + reading.syllable + std::to_string(reading.tone);
  }
  return text;
}

TEST(PinyinTable, GeneratorReadsEveryReadingField) {
  // Lines as Unihan_Readings.txt has them; its texts are UTF-8 whatever this file's literals.
  std::istringstream lines(
      u8"# comment\n"
      u8"U+957F\tkDefinition\tlong; length\n"
      u8"U+957F\tkHanyuPinlu\tzhǎng(1879) cháng(1179)\n"
      u8"U+957F\tkMandarin\tzhǎng\n"
      u8"U+957F\tkTGHZ2013\t038.110:cháng 466.110:zhǎng\n"
      u8"U+66FE\tkHanyuPinyin\t21521.030:zēng,céng\n"
      u8"U+66FE\tkMandarin\tcéng\n"
      u8"U+66FE\tkXHC1983\t0110.090:céng 1446.020:zēng\n"
      u8"U+5415\tkMandarin\tlǚ\n"
      u8"U+3A4B\tkXHC1983\t1265.040*,1265.041:xiāo\n"
      u8"U+20000\tkHanyuPinyin\t10011.010:hē\n"
      u8"U+5463\tkMandarin\tm̄\n"
      u8"U+55EF\tkHanyuPinyin\t10000.000:ń,ňg,ê̌\n");
  const auto readings = pinyin_table::ReadingsFromUnihan(lines);
  const std::map<uint32_t, std::string> expected = {
      {0x957F, "zhang3 chang2"}, {0x66FE, "ceng2 zeng1"}, {0x5415, "lv3"},       {0x3A4B, "xiao1"},
      {0x20000, "he1"},          {0x5463, "m1"},          {0x55EF, "n2 ng3 e3"},
  };
  ASSERT_EQ(readings.size(), expected.size());
  for (const auto& [code, spelled] : expected) EXPECT_EQ(Spelled(readings.at(code)), spelled);
  EXPECT_FALSE(pinyin_table::ReadingOf("zh1ang"));
  EXPECT_EQ(pinyin_table::ReadingOf("de")->tone, 5);
  EXPECT_NE(pinyin_table::PinyinTableSource(readings).find("\"zhang\""), std::string::npos);
}

TEST(PinyinTable, GeneratorGivesCharactersWithoutReadingsTheirVariants) {
  std::map<uint32_t, std::vector<Reading>> readings = {
      {0x5409, {{"ji", 2}}}, {0x4E18, {{"qiu", 1}}}, {0x4E94, {{"wu", 3}}}};
  std::istringstream lines(
      "# comment\n"
      "U+20BB7\tkSpoofingVariant\tU+5409\n"  // 𠮷, by its look alone
      "U+3400\tkSemanticVariant\tU+4E18\n"
      "U+3405\tkSpoofingVariant\tU+4E18\n"
      "U+3405\tkSemanticVariant\tU+9999 U+4E94<kMatthews\n"  // the first that has a reading
      "U+5409\tkSpoofingVariant\tU+20BB7\n"                  // has its own
      "U+3406\tkSimplifiedVariant\tU+4E94\n"                 // not a field taken
      "U+3407\tkZVariant\tU+3400\n");                        // no chains
  pinyin_table::AddVariantReadings(lines, readings);
  const std::map<uint32_t, std::string> expected = {{0x5409, "ji2"},  {0x4E18, "qiu1"},
                                                    {0x4E94, "wu3"},  {0x20BB7, "ji2"},
                                                    {0x3400, "qiu1"}, {0x3405, "wu3"}};
  ASSERT_EQ(readings.size(), expected.size());
  for (const auto& [code, spelled] : expected) EXPECT_EQ(Spelled(readings.at(code)), spelled);
}

std::string ReadingsText(uint32_t code) {
  std::string text;
  for (const PinyinReading* reading = PinyinReadingsOf(code); *reading != 0; ++reading) {
    text += (text.empty() ? "" : " ") + std::string(PinyinSyllable(*reading)) +
            std::to_string(PinyinTone(*reading));
  }
  return text;
}

TEST(PinyinTable, BuiltTableCoversTheExtensions) {
  const std::pair<uint32_t, const char*> cases[] = {
      {0x4E00, "yi1 yi2 yi4"},       // 一, the first unified ideograph
      {0x9FA5, "yu4"},               // 龥, the last of GBK's
      {0x3400, "qiu1"},              // Extension A
      {0x20000, "he1"},              // Extension B
      {0x20BB7, "ji2"},              // 𠮷, from its variant 吉
      {0x2A6D6, ""},                 // Extension B, no reading in Unihan
      {0x5355, "dan1 chan2 shan4"},  // 单
      {'a', ""},
      {0x10FFFF, ""},
  };
  for (const auto& [code, readings] : cases) EXPECT_EQ(ReadingsText(code), readings) << code;
}

}  // namespace
}  // namespace memo
