#include "text/gbk_table.h"
#include "text/utf8.h"

#include "text/gb18030.h"

namespace memo {

bool Utf8ToGbkByTable(std::string_view utf8, std::string& gbk) {
  // GBK never takes more bytes than UTF-8 for the same characters; most texts fit on the
  // stack.
  char small[64];
  std::string large(utf8.size() > sizeof small ? utf8.size() : 0, '\0');
  char* const begin = large.empty() ? small : large.data();
  char* out = begin;
  const uint32_t* const codes = Gb18030BmpCodes();
  for (size_t pos = 0; pos < utf8.size();) {
    uint32_t code = static_cast<unsigned char>(utf8[pos]);
    if (code < 0x80) {
      ++pos;
    } else if (const std::optional<uint32_t> next = NextUtf8Character(utf8, pos)) {
      code = *next;
    } else {
      return false;
    }
    const uint32_t bytes = code < 0x80 ? code : code < 0x10000 ? codes[code] : kNoShortCode;
    if (bytes >= kNoShortCode) return false;
    if (bytes >= 0x100) *out++ = static_cast<char>(bytes >> 8);
    *out++ = static_cast<char>(bytes & 0xFF);
  }
  gbk.assign(begin, out);
  return true;
}

}  // namespace memo
