#include "text/text_operations.h"

#include "text/gb18030.h"

namespace memo {
namespace {

// Byte offset of the first occurrence of part at or after `from`, at a character
// boundary, or npos.
size_t FindFrom(const std::string& text, const std::string& part, size_t from) {
  for (size_t at = from; at < text.size(); at += Gb18030CharLength(text, at)) {
    if (text.compare(at, part.size(), part) == 0) return at;
  }
  return std::string::npos;
}

}  // namespace

int FindText(const std::string& text, const std::string& part) {
  if (part.empty()) return -1;
  size_t at = FindFrom(text, part, 0);
  return at == std::string::npos ? -1 : static_cast<int>(at) + 1;
}

std::string ReplaceText(const std::string& text, const std::string& part,
                        const std::string& replacement) {
  if (text.empty() || part.empty()) return text;
  std::string out;
  size_t from = 0;
  for (size_t at; (at = FindFrom(text, part, from)) != std::string::npos;) {
    out.append(text, from, at - from);
    out += replacement;
    from = at + part.size();
  }
  out.append(text, from, std::string::npos);
  return out;
}

std::string FoldFullWidth(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  size_t copied = 0;  // text before this is in out
  for (size_t at = 0; at < text.size();) {
    size_t length = Gb18030CharLength(text, at);
    unsigned char lead = text[at];
    unsigned char trail = length == 2 ? text[at + 1] : 0;
    char folded = 0;
    if (length == 2 && lead == 0xA1 && trail == 0xA1) {
      folded = ' ';  // the full-width blank
    } else if (length == 2 && lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE) {
      folded = static_cast<char>(trail - 0x80);  // full-width forms of ASCII 0x21..0x7E
    }
    if (folded) {
      out.append(text, copied, at - copied);
      out += folded;
      copied = at + length;
    }
    at += length;
  }
  out.append(text, copied, std::string::npos);
  return out;
}

size_t Gb18030PrefixLength(const std::string& text, size_t maxBytes) {
  size_t end = 0;
  while (end < text.size()) {
    size_t next = end + Gb18030CharLength(text, end);
    if (next > maxBytes) break;
    end = next;
  }
  return end;
}

}  // namespace memo
