// The GB 18030 converter against glibc's, asked about every scalar value on its own.
#include <gtest/gtest.h>
#include <iconv.h>

#include <vector>

#include "text/gb18030.h"
#include "text/text_codec.h"

namespace memo {
namespace {

class Iconv {
 public:
  Iconv(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~Iconv() { iconv_close(cd_); }
  // The whole input converted, or empty.
  std::string operator()(std::string input) const {
    char out[16];
    char* in = input.data();
    char* outPtr = out;
    size_t inLeft = input.size(), outLeft = sizeof out;
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    if (iconv(cd_, &in, &inLeft, &outPtr, &outLeft) == static_cast<size_t>(-1)) return {};
    return std::string(out, outPtr);
  }

 private:
  iconv_t cd_;
};

std::string Utf32(uint32_t codePoint) {
  return {static_cast<char>(codePoint), static_cast<char>(codePoint >> 8),
          static_cast<char>(codePoint >> 16), 0};
}

std::string Encoded(uint32_t codePoint) {
  std::string out;
  AppendGb18030(codePoint, out);
  return out;
}

TEST(Gb18030, EveryScalarValueHasOneCodeThatGlibcReadsTheSame) {
  const Iconv toGb18030("GB18030", "UTF-32LE"), fromGb18030("UTF-32LE", "GB18030");
  std::vector<uint32_t> differing, lost, unread;
  for (uint32_t codePoint = 0; codePoint <= 0x10FFFF; ++codePoint) {
    if (codePoint >= 0xD800 && codePoint < 0xE000) continue;
    const std::string code = Encoded(codePoint);
    const std::string glibc = toGb18030(Utf32(codePoint));
    // glibc has no code for 24 private-use characters; they take the codes GB 18030-2022 freed.
    if (!glibc.empty() && glibc != code) differing.push_back(codePoint);
    size_t pos = 0;
    if (NextGb18030Character(code, pos) != codePoint || pos != code.size()) {
      lost.push_back(codePoint);
    }
    if (!glibc.empty() && fromGb18030(code) != Utf32(codePoint)) unread.push_back(codePoint);
  }
  EXPECT_TRUE(differing.empty()) << differing.size() << " differ, first U+" << std::hex
                                 << differing.front();
  EXPECT_TRUE(lost.empty()) << lost.size() << " do not come back, first U+" << std::hex
                            << lost.front();
  EXPECT_TRUE(unread.empty()) << unread.size() << " read otherwise, first U+" << std::hex
                              << unread.front();
}

TEST(Gb18030, GbkCharactersKeepTheirGbkBytes) {
  const Iconv toGbk("GBK", "UTF-32LE");
  std::vector<uint32_t> differing;
  for (uint32_t codePoint = 0; codePoint < 0x10000; ++codePoint) {
    const std::string gbk = toGbk(Utf32(codePoint));
    // U+20AC: glibc's GBK has the euro sign as Windows' single byte 80, GB 18030 as A2E3.
    const bool inGbk = !gbk.empty() && codePoint != 0x20AC;
    if (inGbk != (GbkCode(codePoint) != kNoShortCode) || (inGbk && Encoded(codePoint) != gbk)) {
      differing.push_back(codePoint);
    }
  }
  EXPECT_TRUE(differing.empty()) << differing.size() << " differ, first U+" << std::hex
                                 << differing.front();
}

TEST(Gb18030, CharacterLengthsAndBrokenCodes) {
  struct Case {
    std::string bytes;
    std::vector<size_t> lengths;
    std::u16string read;
  };
  const Case cases[] = {
      {"a\xC4\xEA", {1, 2}, u"a\u5E74"},
      {"\x95\x32\x82\x36", {4}, u"\U00020000"},  // 𠀀, the first of Extension B
      {"\x81\x30\x81\x30", {4}, u"\u0080"},
      {"\xE3\x32\x9A\x35", {4}, u"\U0010FFFF"},
      // A lead byte without a trail, a lead before a blank, the bytes 80 and FF, a
      // four-byte code cut short, a four-byte code past U+10FFFF.
      {"\x81", {1}, u"\uFFFD"},
      {"\x81 ", {1, 1}, u"\uFFFD "},
      {"\x80\xFF", {1, 1}, u"\uFFFD\uFFFD"},
      {"\x81\x30\x81", {1, 1, 1}, u"\uFFFD0\uFFFD"},
      {"\xE3\x32\x9A\x36", {4}, u"\uFFFD"},
  };
  for (const Case& c : cases) {
    std::vector<size_t> lengths;
    for (size_t pos = 0; pos < c.bytes.size(); pos += lengths.back()) {
      lengths.push_back(Gb18030CharLength(c.bytes, pos));
    }
    EXPECT_EQ(lengths, c.lengths) << c.bytes;
    EXPECT_EQ(Gb18030ToUtf16(c.bytes), c.read) << c.bytes;
  }
}

}  // namespace
}  // namespace memo
