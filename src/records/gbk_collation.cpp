#include "records/gbk_collation.h"

#include <sqlite3.h>

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <vector>

#include "records/name_order.h"
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

uint64_t OrderOf(uint32_t code) {
  return static_cast<uint64_t>(GbkCodeOf(code)) << 32 | code;
}

// The table's text columns are ordered as names are: the collation keeps its name, which the
// files declare, and orders in pinyin.
int CollationCallback(void*, int lengthA, const void* a, int lengthB, const void* b) {
  return CompareInNameOrder(std::string_view(static_cast<const char*>(a), lengthA),
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

namespace {

// The place of each character of the Basic Multilingual Plane in the order OrderOf gives.
// The planes above it come after it (GBK lacks them all), in code point order, so a code
// point there is its own place.
std::vector<uint16_t> BuildRanks() {
  std::vector<uint32_t> codes(0x10000);
  std::iota(codes.begin(), codes.end(), 0);
  std::sort(codes.begin(), codes.end(),
            [](uint32_t a, uint32_t b) { return OrderOf(a) < OrderOf(b); });
  std::vector<uint16_t> ranks(0x10000);
  for (uint32_t rank = 0; rank < codes.size(); ++rank) ranks[codes[rank]] = rank;
  return ranks;
}

const std::vector<uint16_t>& Ranks() {
  static const std::vector<uint16_t> ranks = BuildRanks();
  return ranks;
}

// A place in as few bytes as keep byte order and tell where each character ends: one byte
// below 0x80 (ASCII), two with a lead byte below 0xE0 (every GBK character), else three.
void AppendRank(uint32_t rank, std::string& key) {
  constexpr uint32_t kTwoBytes = 0x80, kThreeBytes = kTwoBytes + 0x6000;
  if (rank < kTwoBytes) {
    key += static_cast<char>(rank);
  } else if (rank < kThreeBytes) {
    rank -= kTwoBytes;
    key += static_cast<char>(0x80 + (rank >> 8));
    key += static_cast<char>(rank & 0xFF);
  } else {
    rank -= kThreeBytes;
    key += static_cast<char>(0xE0 + (rank >> 16));
    key += static_cast<char>(rank >> 8 & 0xFF);
    key += static_cast<char>(rank & 0xFF);
  }
}

}  // namespace

bool AppendGbkSortKey(std::string_view utf8, std::string& key) {
  const std::vector<uint16_t>& ranks = Ranks();
  const size_t start = key.size();
  for (size_t pos = 0; pos < utf8.size();) {
    const std::optional<uint32_t> code = NextUtf8Character(utf8, pos);
    if (!code) {
      key.resize(start);
      return false;
    }
    AppendRank(*code < ranks.size() ? ranks[*code] : *code, key);
  }
  return true;
}

bool RegisterGbkCollation(sqlite3* connection) {
  return sqlite3_create_collation(connection, kGbkCollation, SQLITE_UTF8, nullptr,
                                  CollationCallback) == SQLITE_OK;
}

}  // namespace memo
