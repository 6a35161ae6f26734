// Text conversion through the Win32 API, always with code page 936 so that the result
// does not depend on the system's ANSI code page.
#include "text/text_codec.h"

#include <windows.h>

#include "text/gbk_table.h"

namespace memo {
namespace {

constexpr UINT kGbk = 936;

std::u16string ToUtf16(UINT codePage, const std::string& text) {
  if (text.empty()) return std::u16string();
  int length =
      MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::u16string out(length, u'\0');
  MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()),
                      reinterpret_cast<wchar_t*>(out.data()), length);
  return out;
}

std::string FromUtf16(UINT codePage, const std::u16string& text) {
  if (text.empty()) return std::string();
  const wchar_t* wide = reinterpret_cast<const wchar_t*>(text.data());
  int length = WideCharToMultiByte(codePage, 0, wide, static_cast<int>(text.size()), nullptr, 0,
                                   nullptr, nullptr);
  std::string out(length, '\0');
  WideCharToMultiByte(codePage, 0, wide, static_cast<int>(text.size()), out.data(), length, nullptr,
                      nullptr);
  return out;
}

}  // namespace

std::u16string GbkToUtf16(const std::string& gbk) {
  return ToUtf16(kGbk, gbk);
}
std::string Utf16ToGbk(const std::u16string& utf16) {
  return FromUtf16(kGbk, utf16);
}
std::string GbkToUtf8(const std::string& gbk) {
  return FromUtf16(CP_UTF8, ToUtf16(kGbk, gbk));
}
std::string Utf8ToGbk(const std::string& utf8) {
  std::string looked;
  if (Utf8ToGbkByTable(utf8, looked)) return looked;
  return FromUtf16(kGbk, ToUtf16(CP_UTF8, utf8));
}

}  // namespace memo
