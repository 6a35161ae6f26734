// The Mandarin readings of a character, for finding names by pinyin and ordering them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace memo {

// A reading: the syllable's place in alphabetical order times 8, plus the tone (1 to 4, 5
// for the light tone). Readings in number order are in pinyin order, the tone breaking ties.
using PinyinReading = uint16_t;

// The readings of the character, the customary one first, ended by a 0; only the 0 for a
// character that has none.
const PinyinReading* PinyinReadingsOf(uint32_t codePoint);

// The number of syllables: a reading's syllable (reading >> 3) is below it.
size_t PinyinSyllableCount();

// The syllable of a reading in plain letters, ü written "v".
std::string_view PinyinSyllable(PinyinReading reading);
inline int PinyinTone(PinyinReading reading) {
  return reading & 7;
}

}  // namespace memo
