// The one place where texts change encoding. Inside the program every text is GB 18030 bytes
// in std::string (the program's own texts are GBK, which GB 18030 keeps byte for byte);
// UTF-16 is for the Win32 wide API and UTF-8 for SQLite, terminals and files. Every Unicode
// scalar value goes through unchanged; only what stands for no character (a lone surrogate,
// broken UTF-8 or GB 18030) becomes U+FFFD, never a shorter text that could be mistaken for
// the original.
#pragma once

#include <string>
#include <string_view>

namespace memo {

std::u16string Gb18030ToUtf16(const std::string& text);
std::string Utf16ToGb18030(const std::u16string& utf16);
std::string Gb18030ToUtf8(const std::string& text);
std::string Utf8ToGb18030(const std::string& utf8);

// True when every byte belongs to a well-formed UTF-8 character (no overlong form, no
// surrogate, nothing past U+10FFFF).
bool IsWellFormedUtf8(std::string_view bytes);

}  // namespace memo
