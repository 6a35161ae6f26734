// Finding friends by what a user types: a part of the name, the contact, the 称呼 or the 备注,
// or the name's
// pinyin, whole or by initials, mixed with its characters in name order ("zhangwei", "zw",
// "zhw", "张w" all find 张伟). Every reading of a character counts, ü may be typed "v" or
// "u"; case and blanks do not count.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "records/friend.h"
#include "text/pinyin.h"

namespace memo {

// A typed search text, made ready to be held against many friends.
class FriendQuery {
 public:
  // `text` is GBK, as the program's texts are.
  explicit FriendQuery(std::string_view text);
  // True for a text of nothing but blanks: it finds every friend.
  bool empty() const { return text_.empty(); }

  // Whether the text is a part of `contact`, both folded (lower-cased, full-width letters
  // and digits made plain, ü written v, blanks left out).
  bool InContact(std::u32string_view contact) const;
  // Whether the text spells the name's characters from `start` on: each character taken
  // as itself or as a start of one of its readings.
  // `readings` holds those of each character of the name.
  bool SpellsFrom(std::u32string_view name, const PinyinReading* const* readings,
                  size_t start) const;

 private:
  // The longest text there is a place for in the sets of places SpellsFrom keeps.
  static constexpr size_t kLongestSpelled = 63;

  std::u32string text_;
  // For every syllable and every place in the text, how many of the syllable's letters the
  // text repeats from there.
  std::vector<uint8_t> sharedLetters_;
};

// The friends' texts as searches read them, made once when the list is loaded.
class FriendSearchIndex {
 public:
  FriendSearchIndex() = default;
  explicit FriendSearchIndex(const std::vector<Friend>& friends);

  // The places, in `friends` as given, of the friends the query finds, in order.
  std::vector<uint32_t> Find(const FriendQuery& query) const;

 private:
  bool Matches(size_t place, const FriendQuery& query) const;

  struct Entry {
    uint32_t nameStart, nameLength, contactStart, contactLength;
  };
  // The characters of every name, one after the other, with the readings of each; the
  // characters of every contact.
  std::u32string names_;
  std::vector<const PinyinReading*> readings_;
  std::u32string contacts_;
  std::vector<Entry> entries_;
};

}  // namespace memo
