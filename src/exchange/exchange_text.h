// The encodings of exchange files. Calendars, contact cards and the spreadsheet file this
// program writes are UTF-8; a spreadsheet saved on a Chinese Windows, or an old phone's
// card, may be GB 18030 (or GBK, which it holds). Inside the program every text is GB 18030.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace memo {

inline constexpr char kUtf8Bom[] = "\xEF\xBB\xBF";
// U+FEFF in GB 18030, as a few programs put it before a GB 18030 file.
inline constexpr char kGb18030Bom[] = "\x84\x31\x95\x33";

// GB 18030 holds GBK, which is what a Chinese Windows writes.
enum class FileEncoding { kUtf8, kGb18030 };

// A UTF-8 file with a stray byte or two from another encoding (a Latin-1 "é") is still read
// as UTF-8: it needs this many characters beyond ASCII for each broken byte.
inline constexpr size_t kUtf8CharactersPerBrokenByte = 2;

// The bytes after a UTF-8 or a GB 18030 byte order mark, or all of them.
std::string_view WithoutBom(std::string_view bytes);
// Surrogate pairs written as CESU-8 writes them count as the characters they encode, here and
// wherever UTF-8 is read.
bool IsUtf8(std::string_view bytes);
// UTF-8 when the bytes are UTF-8 (an ASCII file is both) or nearly so, else GB 18030. Bytes in
// UTF-8's form count for UTF-8 even where they encode no character (a surrogate, an overlong
// form). The entries holding the broken bytes of a nearly UTF-8 file are refused.
FileEncoding EncodingOf(std::string_view bytes);
FileEncoding OtherEncoding(FileEncoding encoding);
// "UTF-8", "GB 18030".
const char* EncodingName(FileEncoding encoding);
// The encoding of a name as EncodingName gives it or without its blank, in any case.
std::optional<FileEncoding> EncodingNamed(std::string_view name);

// The GBK form of a text in the given encoding, or nothing when a character has none (or
// the bytes are no text of that encoding): an exchange file's text is taken whole or not
// at all, never with replacement marks in it.
std::optional<std::string> ExactGb18030(const std::string& text, FileEncoding encoding);

// For naming a refused entry: whatever of the text converts, with replacement marks for the
// rest, so that stray bytes never run into the words after it.
std::string ShownGb18030(const std::string& text, FileEncoding encoding);

// Blanks, tabs, CR and LF taken off both ends.
std::string_view Trimmed(std::string_view text);

// ASCII letters compared without case.
bool EqualsIgnoringCase(std::string_view a, std::string_view b);
bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix);

}  // namespace memo
