// Surnames read otherwise than their characters' customary readings: the start of a name is
// ordered by these.
#pragma once

#include <cstddef>
#include <string_view>
#include <utility>
#include <vector>

#include "text/pinyin.h"

namespace memo {

inline constexpr size_t kLongestSurname = 2;

// The number of characters at the start of `name` that make a surname of the table (two
// for a compound surname before one of one character), with their readings put into
// `readings`; 0 when the name starts with none.
size_t SurnameReadings(std::u32string_view name, PinyinReading readings[kLongestSurname]);

// Every character of every surname of the table with its reading there.
std::vector<std::pair<char32_t, PinyinReading>> SurnameCharacterReadings();

}  // namespace memo
