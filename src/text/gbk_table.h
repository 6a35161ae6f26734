// The GBK form of every character of the Basic Multilingual Plane, looked up instead of
// converted, for the places that handle many short texts: reading the birthday table and
// ordering it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace memo {

inline constexpr uint16_t kNotInGbk = 0xFFFF;

// The character's GBK bytes read as one big-endian number (ASCII below 0x80, double-byte
// characters from 0x8140), or kNotInGbk.
uint16_t GbkCodeOf(uint32_t codePoint);

// The next character of well-formed UTF-8 at `pos` (no overlong form, no surrogate, nothing
// past U+10FFFF), and pos moved past it; nothing, with pos unchanged, otherwise.
std::optional<uint32_t> NextUtf8Character(std::string_view utf8, size_t& pos);

// Utf8ToGbk's result, into `gbk`, for well-formed UTF-8 whose every character GBK holds;
// false for any other text, which only the converter handles.
bool Utf8ToGbkByTable(std::string_view utf8, std::string& gbk);

}  // namespace memo
