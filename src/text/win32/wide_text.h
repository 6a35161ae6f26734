// The program's texts (GB 18030) at the wide (UTF-16) Win32 API: every text handed to a window, the
// registry or the shell is converted here explicitly, so the system's code page never matters.
#pragma once

#include <string>

#include "text/text_codec.h"

namespace memo {

inline std::wstring Wide(const std::string& text) {
  std::u16string utf16 = Gb18030ToUtf16(text);
  return std::wstring(utf16.begin(), utf16.end());
}

inline std::string Gb18030(const std::wstring& wide) {
  return Utf16ToGb18030(std::u16string(wide.begin(), wide.end()));
}

}  // namespace memo
