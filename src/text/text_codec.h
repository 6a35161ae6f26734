// The one place where texts change encoding. Inside the program every text is GBK
// (code page 936) bytes in std::string; UTF-16 is for the Win32 wide API and UTF-8 for
// SQLite and terminals. Bytes that do not convert are replaced, never dropped silently
// into a shorter text that could be mistaken for the original.
#pragma once

#include <string>

namespace memo {

std::u16string GbkToUtf16(const std::string& gbk);
std::string Utf16ToGbk(const std::u16string& utf16);
std::string GbkToUtf8(const std::string& gbk);
std::string Utf8ToGbk(const std::string& utf8);

}  // namespace memo
