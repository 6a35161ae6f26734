// Conversions between the inside encoding (GB 18030) and UTF-16 and UTF-8, the same on every
// platform: Windows converts code page 54936 only where its own tables are installed, and
// Wine not at all.
#include "text/text_codec.h"

#include <string_view>

#include "text/gb18030.h"
#include "text/gbk_table.h"
#include "text/utf8.h"

namespace memo {
namespace {

void AppendUtf8(uint32_t codePoint, std::string& out) {
  if (codePoint < 0x80) {
    out += static_cast<char>(codePoint);
    return;
  }
  const int continuations = codePoint < 0x800 ? 1 : codePoint < 0x10000 ? 2 : 3;
  constexpr unsigned char kLeadMarks[] = {0, 0xC0, 0xE0, 0xF0};
  out += static_cast<char>(kLeadMarks[continuations] | codePoint >> (6 * continuations));
  for (int i = continuations - 1; i >= 0; --i) {
    out += static_cast<char>(0x80 | (codePoint >> (6 * i) & 0x3F));
  }
}

// The character at `pos` in UTF-8, and pos moved past it. A broken sequence reads as one
// U+FFFD for each of its longest well-formed beginnings, as Unicode recommends, so that the
// next whole character is never swallowed.
uint32_t NextUtf8OrReplacement(std::string_view utf8, size_t& pos) {
  if (const std::optional<uint32_t> next = NextUtf8Character(utf8, pos)) return *next;
  const unsigned char lead = static_cast<unsigned char>(utf8[pos++]);
  const size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
  if (lead < 0xC2 || lead > 0xF4) return kReplacementCharacter;
  // The second byte's range depends on the lead: no overlong form, no surrogate, nothing
  // past U+10FFFF.
  const unsigned char low = lead == 0xE0 ? 0xA0 : lead == 0xF0 ? 0x90 : 0x80;
  const unsigned char high = lead == 0xED ? 0x9F : lead == 0xF4 ? 0x8F : 0xBF;
  for (size_t i = 1; i < length && pos < utf8.size(); ++i, ++pos) {
    const unsigned char byte = static_cast<unsigned char>(utf8[pos]);
    if (byte < (i == 1 ? low : 0x80) || byte > (i == 1 ? high : 0xBF)) break;
  }
  return kReplacementCharacter;
}

}  // namespace

std::u16string Gb18030ToUtf16(const std::string& text) {
  std::u16string out;
  out.reserve(text.size());
  for (size_t pos = 0; pos < text.size();) {
    const uint32_t codePoint = NextGb18030Character(text, pos);
    if (codePoint < 0x10000) {
      out += static_cast<char16_t>(codePoint);
    } else {
      out += static_cast<char16_t>(0xD800 + ((codePoint - 0x10000) >> 10));
      out += static_cast<char16_t>(0xDC00 + (codePoint & 0x3FF));
    }
  }
  return out;
}

std::string Utf16ToGb18030(const std::u16string& utf16) {
  std::string out;
  out.reserve(utf16.size() * 2);
  for (size_t i = 0; i < utf16.size(); ++i) {
    uint32_t codePoint = utf16[i];
    const bool high = codePoint >= 0xD800 && codePoint < 0xDC00;
    if (high && i + 1 < utf16.size() && utf16[i + 1] >= 0xDC00 && utf16[i + 1] < 0xE000) {
      codePoint = 0x10000 + ((codePoint - 0xD800) << 10) + (utf16[++i] - 0xDC00);
    }
    // A lone surrogate (it can be pasted into an edit box) becomes U+FFFD on the way.
    AppendGb18030(codePoint, out);
  }
  return out;
}

std::string Gb18030ToUtf8(const std::string& text) {
  std::string out;
  out.reserve(text.size() * 3 / 2);
  for (size_t pos = 0; pos < text.size();) {
    if (static_cast<unsigned char>(text[pos]) < 0x80) {
      out += text[pos++];
    } else {
      AppendUtf8(NextGb18030Character(text, pos), out);
    }
  }
  return out;
}

std::string Utf8ToGb18030(const std::string& utf8) {
  std::string out;
  if (Utf8ToGbkByTable(utf8, out)) return out;
  out.reserve(utf8.size());
  for (size_t pos = 0; pos < utf8.size();) AppendGb18030(NextUtf8OrReplacement(utf8, pos), out);
  return out;
}

bool IsWellFormedUtf8(std::string_view bytes) {
  for (size_t pos = 0; pos < bytes.size();) {
    if (!NextUtf8Character(bytes, pos)) return false;
  }
  return true;
}

}  // namespace memo
