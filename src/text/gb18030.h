// GB 18030, the program's inside encoding: every Unicode scalar value has exactly one code, and
// every GBK text keeps its bytes. One byte below 80; two bytes, a lead 81..FE and a trail
// 40..7E or 80..FE; four bytes, lead 81..FE, digit, 81..FE, digit.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace memo {

inline constexpr uint32_t kReplacementCharacter = 0xFFFD;

// Byte length of the character that starts at `at`: 1, 2 or 4. A byte that starts no
// well-formed sequence counts as one character of its own.
inline size_t Gb18030CharLength(std::string_view text, size_t at) {
  const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[at + i]); };
  const size_t left = text.size() - at;
  if (byte(0) < 0x81 || byte(0) == 0xFF || left < 2) return 1;
  if (byte(1) >= 0x40 && byte(1) != 0x7F && byte(1) != 0xFF) return 2;
  const bool digit1 = byte(1) >= 0x30 && byte(1) <= 0x39;
  if (digit1 && left >= 4 && byte(2) >= 0x81 && byte(2) != 0xFF && byte(3) >= 0x30 &&
      byte(3) <= 0x39) {
    return 4;
  }
  return 1;
}

// The character at `pos`, and pos moved past it; a code that stands for no character reads as
// U+FFFD.
uint32_t NextGb18030Character(std::string_view text, size_t& pos);

// Appends the code of a scalar value; a surrogate or a value past U+10FFFF becomes U+FFFD's.
void AppendGb18030(uint32_t codePoint, std::string& out);

// The one- or two-byte code of a BMP character as one big-endian number, or kNoShortCode for
// the characters that take four bytes (the characters outside GBK).
inline constexpr uint16_t kNoShortCode = 0xFFFF;
uint16_t ShortGb18030Code(uint32_t codePoint);

// The code of every BMP character, for the loops that look up many: below 0x10000 a one- or
// two-byte code as above, 0x10000 and more a four-byte code (no surrogate is looked up).
const uint32_t* Gb18030BmpCodes();

// The same for the characters GBK holds: kNoShortCode too for the few that only GB 18030 gave
// a two-byte code.
uint16_t GbkCode(uint32_t codePoint);

}  // namespace memo
