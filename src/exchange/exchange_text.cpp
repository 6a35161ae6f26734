#include "exchange/exchange_text.h"

#include <cctype>

#include "text/text_codec.h"

namespace memo {
namespace {

bool IsContinuation(unsigned char byte) {
  return (byte & 0xC0) == 0x80;
}

char LowerAscii(char c) {
  return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

// The length of the well-formed UTF-8 character at bytes[i], or 0 when none begins there.
size_t Utf8Length(std::string_view bytes, size_t i) {
  const unsigned char lead = static_cast<unsigned char>(bytes[i]);
  if (lead < 0x80) return 1;
  size_t length = 0;
  unsigned int smallest = 0;  // below it the form is overlong
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2, smallest = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3, smallest = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4, smallest = 0x10000;
  } else {
    return 0;
  }
  if (i + length > bytes.size()) return 0;
  unsigned int codePoint = lead & (0x7F >> length);
  for (size_t k = 1; k < length; ++k) {
    const unsigned char byte = static_cast<unsigned char>(bytes[i + k]);
    if (!IsContinuation(byte)) return 0;
    codePoint = codePoint << 6 | (byte & 0x3F);
  }
  if (codePoint < smallest || codePoint > 0x10FFFF ||
      (codePoint >= 0xD800 && codePoint <= 0xDFFF)) {
    return 0;
  }
  return length;
}

// The codec converts from GBK, a part of GB 18030 that holds every character of a Chinese
// Windows' code page; the one place to widen when the codec reads all of GB 18030.
std::optional<std::string> FromGb18030(const std::string& text) {
  // The codec replaces what it cannot convert; converting back tells whether it did.
  if (Utf8ToGbk(GbkToUtf8(text)) != text) return std::nullopt;
  return text;
}

}  // namespace

std::string_view WithoutBom(std::string_view bytes) {
  return bytes.substr(0, 3) == kUtf8Bom ? bytes.substr(3) : bytes;
}

bool IsUtf8(std::string_view bytes) {
  for (size_t i = 0, length; i < bytes.size(); i += length) {
    if ((length = Utf8Length(bytes, i)) == 0) return false;
  }
  return true;
}

FileEncoding EncodingOf(std::string_view bytes) {
  size_t characters = 0, broken = 0;  // beyond ASCII
  for (size_t i = 0; i < bytes.size();) {
    const size_t length = Utf8Length(bytes, i);
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

std::optional<std::string> ExactGbk(const std::string& text, FileEncoding encoding) {
  bool ascii = true;
  for (char c : text) ascii = ascii && static_cast<unsigned char>(c) < 0x80;
  if (ascii) return text;
  if (encoding == FileEncoding::kGb18030) return FromGb18030(text);
  if (!IsUtf8(text)) return std::nullopt;
  std::string gbk = Utf8ToGbk(text);
  if (GbkToUtf8(gbk) != text) return std::nullopt;
  return gbk;
}

std::string ShownGbk(const std::string& text, FileEncoding encoding) {
  return Utf8ToGbk(encoding == FileEncoding::kUtf8 ? text : GbkToUtf8(text));
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
