// GBK texts at the wide (UTF-16) Win32 API: every text handed to a window, the registry or the
// shell is converted here explicitly, so the system's code page never matters.
#pragma once

#include <string>

#include "text/text_codec.h"

namespace memo {

inline std::wstring Wide(const std::string& gbk) {
  std::u16string text = GbkToUtf16(gbk);
  return std::wstring(text.begin(), text.end());
}

inline std::string Gbk(const std::wstring& wide) {
  return Utf16ToGbk(std::u16string(wide.begin(), wide.end()));
}

}  // namespace memo
