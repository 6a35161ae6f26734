// The encodings of exchange files. Calendars, contact cards and the spreadsheet file this
// program writes are UTF-8; a spreadsheet saved on a Chinese Windows, or an old phone's
// card, may be GBK. Inside the program every text is GBK.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace memo {

inline constexpr char kUtf8Bom[] = "\xEF\xBB\xBF";

enum class FileEncoding { kUtf8, kGbk };

// The bytes after a UTF-8 byte order mark, or all of them.
std::string_view WithoutBom(std::string_view bytes);
bool IsUtf8(std::string_view bytes);
// UTF-8 when the bytes are well-formed UTF-8 (an ASCII file is both), else GBK.
FileEncoding EncodingOf(std::string_view bytes);

// The GBK form of a text in the given encoding, or nothing when a character has none (or
// the bytes are no text of that encoding): an exchange file's text is taken whole or not
// at all, never with replacement marks in it.
std::optional<std::string> ExactGbk(const std::string& text, FileEncoding encoding);

// Blanks, tabs, CR and LF taken off both ends.
std::string_view Trimmed(std::string_view text);

// ASCII letters compared without case.
bool EqualsIgnoringCase(std::string_view a, std::string_view b);
bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix);

}  // namespace memo
