#include "text/gbk_table.h"

#include <vector>

#include "text/text_codec.h"

namespace memo {
namespace {

// Built once with a single conversion: each character is followed by a line feed, a byte
// that never occurs inside a GBK character, so the output splits back into characters.
std::vector<uint16_t> BuildTable() {
  std::u16string all;
  all.reserve(2 * 0x10000);
  for (uint32_t code = 0; code < 0x10000; ++code) {
    bool surrogate = code >= 0xD800 && code < 0xE000;
    all += surrogate || code == '\n' ? u'?' : static_cast<char16_t>(code);
    all += u'\n';
  }
  const std::string gbk = Utf16ToGbk(all);
  std::vector<uint16_t> table(0x10000, kNotInGbk);
  size_t pos = 0;
  for (uint32_t code = 0; code < 0x10000 && pos < gbk.size(); ++code) {
    size_t end = gbk.find('\n', pos);
    if (end == std::string::npos) break;
    const std::string_view character(gbk.data() + pos, end - pos);
    pos = end + 1;
    bool replaced = character == "?" && code != '?';
    if (replaced || character.empty() || character.size() > 2) continue;
    uint16_t value = static_cast<unsigned char>(character[0]);
    if (character.size() == 2) value = value << 8 | static_cast<unsigned char>(character[1]);
    table[code] = value;
  }
  table['\n'] = '\n';
  return table;
}

const std::vector<uint16_t>& Table() {
  static const std::vector<uint16_t> table = BuildTable();
  return table;
}

constexpr uint32_t kFirstLead = 0x81, kFirstTrail = 0x40, kTrails = 0xFF - kFirstTrail;

// The code point of each double-byte GBK character, by its place from 0x8140; 0 where GBK
// has none.
std::vector<uint32_t> BuildCodePoints() {
  std::vector<uint32_t> codePoints((0xFF - kFirstLead) * kTrails, 0);
  const std::vector<uint16_t>& table = Table();
  for (uint32_t code = 0; code < table.size(); ++code) {
    const uint32_t lead = table[code] >> 8, trail = table[code] & 0xFF;
    if (table[code] == kNotInGbk || lead < kFirstLead || trail < kFirstTrail) continue;
    uint32_t& place = codePoints[(lead - kFirstLead) * kTrails + trail - kFirstTrail];
    if (place == 0) place = code;
  }
  return codePoints;
}

}  // namespace

uint32_t NextGbkCharacter(std::string_view gbk, size_t& pos) {
  static const std::vector<uint32_t> codePoints = BuildCodePoints();
  const uint32_t lead = static_cast<unsigned char>(gbk[pos++]);
  if (lead < kFirstLead || lead == 0xFF || pos == gbk.size()) return lead;
  const uint32_t trail = static_cast<unsigned char>(gbk[pos]);
  if (trail < kFirstTrail || trail == 0xFF) return lead;
  const uint32_t code = codePoints[(lead - kFirstLead) * kTrails + trail - kFirstTrail];
  if (code == 0) return lead;
  ++pos;
  return code;
}

uint16_t GbkCodeOf(uint32_t codePoint) {
  const std::vector<uint16_t>& table = Table();
  return codePoint < table.size() ? table[codePoint] : kNotInGbk;
}

bool Utf8ToGbkByTable(std::string_view utf8, std::string& gbk) {
  const std::vector<uint16_t>& table = Table();
  // GBK never takes more bytes than UTF-8 for the same characters; most texts fit on the
  // stack.
  char small[64];
  std::string large(utf8.size() > sizeof small ? utf8.size() : 0, '\0');
  char* const begin = large.empty() ? small : large.data();
  char* out = begin;
  for (size_t pos = 0; pos < utf8.size();) {
    uint32_t code = static_cast<unsigned char>(utf8[pos]);
    if (code < 0x80) {
      ++pos;
    } else if (const std::optional<uint32_t> next = NextUtf8Character(utf8, pos)) {
      code = *next;
    } else {
      return false;
    }
    const uint16_t bytes = code < table.size() ? table[code] : kNotInGbk;
    if (bytes == kNotInGbk) return false;
    if (bytes >= 0x100) *out++ = static_cast<char>(bytes >> 8);
    *out++ = static_cast<char>(bytes & 0xFF);
  }
  gbk.assign(begin, out);
  return true;
}

}  // namespace memo
