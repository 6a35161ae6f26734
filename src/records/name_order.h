// The order of names, as a phone's address book has it: by the pinyin of each character and
// its tone, the start of a name read as a surname where it is one (曾 zeng, 单 shan, 长孙
// zhangsun); within a syllable and tone the common characters (GB 2312's first level) first,
// in their GBK order, then the others by code. Latin letters among the same letters of
// pinyin, without case until the whole name ties; digits before them, and characters that
// are not Chinese after them all.
#pragma once

#include <string>
#include <string_view>

namespace memo {

// Appends a key whose byte order is the names' order, for a UTF-8 text; a byte that starts
// no UTF-8 character is ordered after every character, by its value.
void AppendNameSortKey(std::string_view utf8, std::string& key);

// Negative, zero or positive as name a sorts before, with or after name b (both UTF-8).
int CompareInNameOrder(std::string_view a, std::string_view b);

}  // namespace memo
