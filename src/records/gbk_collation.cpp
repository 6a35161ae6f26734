#include "records/gbk_collation.h"

#include <sqlite3.h>

#include <cstdint>
#include <string>

#include "text/gb18030.h"
#include "text/gbk_table.h"

namespace memo {
namespace {

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

// A character's place: its GB 18030 bytes, left-aligned in a number, so that numbers compare
// as the bytes do (no code is the beginning of another). GBK's characters keep their GBK order;
// a byte that starts no character comes after every character.
uint64_t OrderOf(uint32_t code) {
  if (code > 0x10FFFF) return uint64_t{1} << 32 | code;
  std::string bytes;
  AppendGb18030(code, bytes);
  uint64_t order = 0;
  for (size_t i = 0; i < 4; ++i) {
    order = order << 8 | (i < bytes.size() ? static_cast<unsigned char>(bytes[i]) : 0);
  }
  return order;
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

bool AppendGbkSortKey(std::string_view utf8, std::string& key) {
  // A text's GB 18030 bytes are its key: they order as OrderOf orders each character.
  std::string bytes;
  if (Utf8ToGbkByTable(utf8, bytes)) {
    key += bytes;
    return true;
  }
  const size_t start = key.size();
  for (size_t pos = 0; pos < utf8.size();) {
    const std::optional<uint32_t> code = NextUtf8Character(utf8, pos);
    if (!code) {
      key.resize(start);
      return false;
    }
    AppendGb18030(*code, key);
  }
  return true;
}

bool RegisterGbkCollation(sqlite3* connection) {
  return sqlite3_create_collation(connection, kGbkCollation, SQLITE_UTF8, nullptr,
                                  CollationCallback) == SQLITE_OK;
}

}  // namespace memo
