#include "exchange/exchange_text.h"

#include <cctype>

#include "text/text_codec.h"
#include "text/utf8.h"

namespace memo {
namespace {

char LowerAscii(char c) {
  return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

// The length of the character in UTF-8's form at bytes[i] (a lead byte and the continuation
// bytes it calls for), also where it encodes no character: an overlong form, or a surrogate
// as CESU-8 and Java write one. 0 when none begins there.
size_t Utf8FormLength(std::string_view bytes, size_t i) {
  const unsigned char lead = static_cast<unsigned char>(bytes[i]);
  const size_t length = lead < 0x80   ? 1
                        : lead < 0xC0 ? 0
                        : lead < 0xE0 ? 2
                        : lead < 0xF0 ? 3
                        : lead < 0xF8 ? 4
                                      : 0;
  if (length == 0 || i + length > bytes.size()) return 0;
  for (size_t k = 1; k < length; ++k) {
    if (!IsUtf8Continuation(bytes[i + k])) return 0;
  }
  return length;
}

// The surrogate that CESU-8's three bytes at bytes[i] encode, or 0.
uint32_t SurrogateAt(std::string_view bytes, size_t i) {
  if (i + 3 > bytes.size() || static_cast<unsigned char>(bytes[i]) != 0xED ||
      Utf8FormLength(bytes, i) != 3 || static_cast<unsigned char>(bytes[i + 1]) < 0xA0) {
    return 0;
  }
  return 0xD000 | (bytes[i + 1] & 0x3F) << 6 | (bytes[i + 2] & 0x3F);
}

// The text with each surrogate pair in CESU-8's form written as the one character it encodes;
// anything else as it was.
std::string WithPairsJoined(std::string_view text) {
  std::string joined;
  for (size_t i = 0; i < text.size();) {
    const uint32_t high = SurrogateAt(text, i), low = SurrogateAt(text, i + 3);
    if (high >= 0xD800 && high < 0xDC00 && low >= 0xDC00) {
      const uint32_t code = 0x10000 + ((high - 0xD800) << 10 | (low - 0xDC00));
      joined +=
          {static_cast<char>(0xF0 | code >> 18), static_cast<char>(0x80 | (code >> 12 & 0x3F)),
           static_cast<char>(0x80 | (code >> 6 & 0x3F)), static_cast<char>(0x80 | (code & 0x3F))};
      i += 6;
    } else {
      joined += text[i++];
    }
  }
  return joined;
}

// GB 18030 is the inside encoding: a text is taken as it is unless it holds bytes that stand
// for no character, which the codec replaces; converting back tells whether it did.
std::optional<std::string> FromGb18030(const std::string& text) {
  if (Utf8ToGb18030(Gb18030ToUtf8(text)) != text) return std::nullopt;
  return text;
}

}  // namespace

std::string_view WithoutBom(std::string_view bytes) {
  for (const std::string_view bom : {kUtf8Bom, kGb18030Bom}) {
    if (bytes.substr(0, bom.size()) == bom) return bytes.substr(bom.size());
  }
  return bytes;
}

bool IsUtf8(std::string_view bytes) {
  return IsWellFormedUtf8(WithPairsJoined(bytes));
}

FileEncoding EncodingOf(std::string_view bytes) {
  size_t characters = 0, broken = 0;  // beyond ASCII
  for (size_t i = 0; i < bytes.size();) {
    const size_t length = Utf8FormLength(bytes, i);
    characters += length > 1;
    broken += length == 0;
    i += length > 0 ? length : 1;
  }
  // GB 18030 text is well-formed UTF-8 only by chance, for about one character in ten.
  return broken * kUtf8CharactersPerBrokenByte <= characters ? FileEncoding::kUtf8
                                                             : FileEncoding::kGb18030;
}

FileEncoding OtherEncoding(FileEncoding encoding) {
  return encoding == FileEncoding::kUtf8 ? FileEncoding::kGb18030 : FileEncoding::kUtf8;
}

const char* EncodingName(FileEncoding encoding) {
  return encoding == FileEncoding::kUtf8 ? "UTF-8" : "GB 18030";
}

std::optional<FileEncoding> EncodingNamed(std::string_view name) {
  for (const FileEncoding encoding : {FileEncoding::kUtf8, FileEncoding::kGb18030}) {
    std::string plain;  // "GB 18030" may be written without its blank
    for (const char* c = EncodingName(encoding); *c; ++c) {
      if (*c != ' ') plain += *c;
    }
    if (EqualsIgnoringCase(name, plain) || EqualsIgnoringCase(name, EncodingName(encoding))) {
      return encoding;
    }
  }
  return std::nullopt;
}

std::optional<std::string> ExactGb18030(const std::string& text, FileEncoding encoding) {
  bool ascii = true;
  for (char c : text) ascii = ascii && static_cast<unsigned char>(c) < 0x80;
  if (ascii) return text;
  if (encoding == FileEncoding::kGb18030) return FromGb18030(text);
  const std::string utf8 = WithPairsJoined(text);
  if (!IsWellFormedUtf8(utf8)) return std::nullopt;
  std::string gbk = Utf8ToGb18030(utf8);
  if (Gb18030ToUtf8(gbk) != utf8) return std::nullopt;
  return gbk;
}

std::string ShownGb18030(const std::string& text, FileEncoding encoding) {
  return Utf8ToGb18030(encoding == FileEncoding::kUtf8 ? WithPairsJoined(text)
                                                       : Gb18030ToUtf8(text));
}

std::string_view Trimmed(std::string_view text) {
  const char* const blanks = " \t\r\n";
  const size_t first = text.find_first_not_of(blanks);
  if (first == std::string_view::npos) return std::string_view();
  return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && StartsWithIgnoringCase(a, b);
}

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
  if (text.size() < prefix.size()) return false;
  for (size_t i = 0; i < prefix.size(); ++i) {
    if (LowerAscii(text[i]) != LowerAscii(prefix[i])) return false;
  }
  return true;
}

}  // namespace memo
