#include "text/pinyin.h"

#include <algorithm>

#include "text/pinyin_table.h"

namespace memo {

const PinyinReading* PinyinReadingsOf(uint32_t codePoint) {
  const PinyinBlock* const end = kPinyinBlocks + kPinyinBlockCount;
  const PinyinBlock* const after =
      std::upper_bound(kPinyinBlocks, end, codePoint,
                       [](uint32_t code, const PinyinBlock& block) { return code < block.first; });
  if (after == kPinyinBlocks) return kPinyinReadings;
  const PinyinBlock* const block = after - 1;
  if (codePoint - block->first >= block->count) return kPinyinReadings;
  return kPinyinReadings + kPinyinListOfCharacter[block->start + codePoint - block->first];
}

size_t PinyinSyllableCount() {
  return kPinyinSyllableCount;
}

std::string_view PinyinSyllable(PinyinReading reading) {
  return kPinyinSyllables[reading >> 3];
}

}  // namespace memo
