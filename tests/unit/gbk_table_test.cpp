// The GBK table, built from one long conversion, against the converter asked about each
// character on its own.
#include "text/gbk_table.h"

#include <gtest/gtest.h>

#include <vector>

#include "text/text_codec.h"

namespace memo {
namespace {

// What the converter writes for a character, as the table tells it.
std::string TableText(uint32_t codePoint) {
  const uint16_t code = GbkCodeOf(codePoint);
  if (code == kNotInGbk) return "?";
  if (code < 0x100) return std::string(1, static_cast<char>(code));
  return {static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)};
}

TEST(GbkTable, AgreesWithTheConverterOnEveryCharacter) {
  std::vector<uint32_t> differing;
  for (uint32_t codePoint = 0; codePoint < 0x10000; ++codePoint) {
    const std::u16string character(1, static_cast<char16_t>(codePoint));
    if (TableText(codePoint) != Utf16ToGbk(character)) differing.push_back(codePoint);
  }
  EXPECT_TRUE(differing.empty()) << differing.size() << " differ, the first U+" << std::hex
                                 << differing.front();
}

}  // namespace
}  // namespace memo
