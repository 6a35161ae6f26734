#include "records/gbk_collation.h"

#include <sqlite3.h>

#include <cstdint>
#include <string>
#include <vector>

#include "text/text_codec.h"

namespace memo {
namespace {

constexpr uint32_t kNotInGbk = 0xFFFF;

// For every code point of the Basic Multilingual Plane its GBK bytes read as one
// big-endian number (ASCII below 0x80, double-byte characters from 0x8140), or kNotInGbk.
// Built once with a single conversion: each character is followed by a line feed, a byte
// that never occurs inside a GBK character, so the output splits back into characters.
std::vector<uint16_t> BuildGbkKeys() {
  std::u16string all;
  all.reserve(2 * 0x10000);
  for (uint32_t code = 0; code < 0x10000; ++code) {
    bool surrogate = code >= 0xD800 && code < 0xE000;
    all += surrogate || code == '\n' ? u'?' : static_cast<char16_t>(code);
    all += u'\n';
  }
  const std::string gbk = Utf16ToGbk(all);
  std::vector<uint16_t> keys(0x10000, kNotInGbk);
  size_t pos = 0;
  for (uint32_t code = 0; code < 0x10000 && pos < gbk.size(); ++code) {
    size_t end = gbk.find('\n', pos);
    if (end == std::string::npos) break;
    const std::string character = gbk.substr(pos, end - pos);
    pos = end + 1;
    bool replaced = character == "?" && code != '?';
    if (replaced || character.empty() || character.size() > 2) continue;
    uint16_t key = static_cast<unsigned char>(character[0]);
    if (character.size() == 2) key = key << 8 | static_cast<unsigned char>(character[1]);
    keys[code] = key;
  }
  keys['\n'] = '\n';
  return keys;
}

uint16_t GbkKey(uint32_t code) {
  static const std::vector<uint16_t> keys = BuildGbkKeys();
  return code < keys.size() ? keys[code] : kNotInGbk;
}

bool IsContinuation(char c) {
  return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// The code point that starts at `pos`; a byte that starts no valid sequence stands for
// itself above the Unicode range, so that every distinct text still has a distinct order.
uint32_t DecodeAt(std::string_view text, size_t pos) {
  const unsigned char lead = static_cast<unsigned char>(text[pos]);
  int length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
  if (length == 0 || pos + length > text.size()) return 0x110000 + lead;
  if (length == 1) return lead;
  uint32_t code = lead & (0x7F >> length);
  for (int i = 1; i < length; ++i) {
    if (!IsContinuation(text[pos + i])) return 0x110000 + lead;
    code = code << 6 | (static_cast<unsigned char>(text[pos + i]) & 0x3F);
  }
  return code;
}

uint64_t OrderOf(uint32_t code) {
  return static_cast<uint64_t>(GbkKey(code)) << 32 | code;
}

int CollationCallback(void*, int lengthA, const void* a, int lengthB, const void* b) {
  return CompareInGbkOrder(std::string_view(static_cast<const char*>(a), lengthA),
                           std::string_view(static_cast<const char*>(b), lengthB));
}

}  // namespace

int CompareInGbkOrder(std::string_view a, std::string_view b) {
  const size_t shorter = a.size() < b.size() ? a.size() : b.size();
  size_t pos = 0;
  while (pos < shorter && a[pos] == b[pos]) ++pos;
  if (pos == shorter) return a.size() < b.size() ? -1 : a.size() > b.size() ? 1 : 0;
  // Equal bytes are equal characters: only the first differing character decides.
  while (pos > 0 && (IsContinuation(a[pos]) || IsContinuation(b[pos]))) --pos;
  const uint64_t orderA = OrderOf(DecodeAt(a, pos)), orderB = OrderOf(DecodeAt(b, pos));
  if (orderA != orderB) return orderA < orderB ? -1 : 1;
  return a.substr(pos).compare(b.substr(pos)) < 0 ? -1 : 1;
}

bool RegisterGbkCollation(sqlite3* connection) {
  return sqlite3_create_collation(connection, kGbkCollation, SQLITE_UTF8, nullptr,
                                  CollationCallback) == SQLITE_OK;
}

}  // namespace memo
