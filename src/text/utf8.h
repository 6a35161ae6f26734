// UTF-8 read a character at a time.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace memo {

// A byte inside a character, never its first.
inline bool IsUtf8Continuation(char byte) {
  return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

// The next character of well-formed UTF-8 at `pos` (no overlong form, no surrogate, nothing
// past U+10FFFF), and pos moved past it; nothing, with pos unchanged, otherwise. Inline:
// loading and sorting the birthday table call it for every character of every name.
inline std::optional<uint32_t> NextUtf8Character(std::string_view utf8, size_t& pos) {
  const unsigned char lead = static_cast<unsigned char>(utf8[pos]);
  if (lead < 0x80) return utf8[pos++];
  const size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
  if (length == 0 || lead > 0xF4 || pos + length > utf8.size()) return std::nullopt;
  uint32_t code = lead & (0x7F >> length);
  for (size_t i = 1; i < length; ++i) {
    const unsigned char byte = static_cast<unsigned char>(utf8[pos + i]);
    if (!IsUtf8Continuation(static_cast<char>(byte))) return std::nullopt;
    code = code << 6 | (byte & 0x3F);
  }
  constexpr uint32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
  if (code < kSmallest[length] || code > 0x10FFFF || (code >= 0xD800 && code < 0xE000)) {
    return std::nullopt;
  }
  pos += length;
  return code;
}

}  // namespace memo
