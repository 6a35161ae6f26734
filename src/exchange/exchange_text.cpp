#include "exchange/exchange_text.h"

#include <cctype>

#include "text/text_codec.h"
#include "text/utf8.h"

namespace memo {
namespace {

char LowerAscii(char c) {
  return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

// The length of the well-formed UTF-8 character at bytes[i], or 0 when none begins there.
size_t Utf8Length(std::string_view bytes, size_t i) {
  size_t end = i;
  return NextUtf8Character(bytes, end) ? end - i : 0;
}

// GB 18030 is the inside encoding: a text is taken as it is unless it holds bytes that stand
// for no character, which the codec replaces; converting back tells whether it did.
std::optional<std::string> FromGb18030(const std::string& text) {
  if (Utf8ToGb18030(Gb18030ToUtf8(text)) != text) return std::nullopt;
  return text;
}

}  // namespace

std::string_view WithoutBom(std::string_view bytes) {
  return bytes.substr(0, 3) == kUtf8Bom ? bytes.substr(3) : bytes;
}

bool IsUtf8(std::string_view bytes) {
  return IsWellFormedUtf8(bytes);
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

std::optional<std::string> ExactGb18030(const std::string& text, FileEncoding encoding) {
  bool ascii = true;
  for (char c : text) ascii = ascii && static_cast<unsigned char>(c) < 0x80;
  if (ascii) return text;
  if (encoding == FileEncoding::kGb18030) return FromGb18030(text);
  if (!IsUtf8(text)) return std::nullopt;
  std::string gbk = Utf8ToGb18030(text);
  if (Gb18030ToUtf8(gbk) != text) return std::nullopt;
  return gbk;
}

std::string ShownGb18030(const std::string& text, FileEncoding encoding) {
  return Utf8ToGb18030(encoding == FileEncoding::kUtf8 ? text : Gb18030ToUtf8(text));
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
