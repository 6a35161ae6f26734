// The Mandarin readings of the ideographs, made from Unicode's Unihan data when the program
// is built (tools/pinyin-table); pinyin.h is the way to read them.
#pragma once

#include <cstddef>
#include <cstdint>

namespace memo {

// A reading is its syllable's place in kPinyinSyllables (which are in alphabetical order)
// times 8, plus its tone, 1 to 4, or 5 for the light tone; never 0.
extern const char* const kPinyinSyllables[];
extern const size_t kPinyinSyllableCount;
// Lists of readings, each ended by a 0; the empty list is the one at 0.
extern const uint16_t kPinyinReadings[];

// A run of code points, `count` from `first`, whose lists start in kPinyinReadings where
// kPinyinListOfCharacter says, from its entry `start` on.
struct PinyinBlock {
  uint32_t first;
  uint32_t count;
  uint32_t start;
};
extern const uint16_t kPinyinListOfCharacter[];
extern const PinyinBlock kPinyinBlocks[];
extern const size_t kPinyinBlockCount;

}  // namespace memo
