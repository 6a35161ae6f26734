#include "text/pinyin.h"

#include <algorithm>

#include "text/pinyin_table.h"

namespace memo {

const PinyinReading* PinyinReadingsOf(uint32_t codePoint) {
  const PinyinBlock* const end = kPinyinBlocks + kPinyinBlockCount;
  const PinyinBlock* block =
      std::upper_bound(kPinyinBlocks, end, codePoint,
                       [](uint32_t code, const PinyinBlock& b) { return code < b.first; });
  if (block == kPinyinBlocks || codePoint - (--block)->first >= block->count) {
    return kPinyinReadings;
  }
  return kPinyinReadings +
         kPinyinListStarts[kPinyinListOfCharacter[block->start + codePoint - block->first]];
}

size_t PinyinSyllableCount() {
  return kPinyinSyllableCount;
}

std::string_view PinyinSyllable(PinyinReading reading) {
  return kPinyinSyllables[reading >> 3];
}

}  // namespace memo
