#include "records/friend_search.h"

#include <algorithm>

#include "text/gb18030.h"

namespace memo {
namespace {

constexpr char32_t kIdeographicSpace = 0x3000, kFullWidthFirst = 0xFF01, kFullWidthLast = 0xFF5E;
constexpr char32_t kFullWidthOffset = kFullWidthFirst - U'!';
constexpr char32_t kUWithDiaeresis = 0xFC, kCapitalUWithDiaeresis = 0xDC;
// Between a friend's contact, 称呼 and 备注: a control character no typed text holds.
constexpr char32_t kBetweenTexts = 0x1F;

// Writes the folded characters from `out` on, at most one for each byte of the text, and
// gives where they end. Written where they go: an index of many names is made at every load.
char32_t* FoldInto(std::string_view gbk, char32_t* out) {
  for (size_t pos = 0; pos < gbk.size();) {
    const auto byte = static_cast<unsigned char>(gbk[pos]);
    // Contacts are mostly digits: ASCII skips the table.
    char32_t code = byte < 0x80 ? gbk[pos++] : NextGb18030Character(gbk, pos);
    if (code >= kFullWidthFirst && code <= kFullWidthLast) code -= kFullWidthOffset;
    if (code == U' ' || code == U'\t' || code == kIdeographicSpace) continue;
    if (code >= U'A' && code <= U'Z') code += U'a' - U'A';
    if (code == kUWithDiaeresis || code == kCapitalUWithDiaeresis) code = U'v';
    *out++ = code;
  }
  return out;
}

// The letters of `syllable` that `text` repeats from its start; a "u" typed stands for ü
// too, which syllables write "v".
uint8_t SharedLetters(std::string_view syllable, std::u32string_view text) {
  size_t shared = 0;
  while (shared < syllable.size() && shared < text.size() &&
         (static_cast<char32_t>(syllable[shared]) == text[shared] ||
          (syllable[shared] == 'v' && text[shared] == U'u'))) {
    ++shared;
  }
  return static_cast<uint8_t>(shared);
}

// The text folded as a search compares it: lower-cased, full-width letters and digits made
// plain, ü written v, blanks left out.
std::u32string FoldForSearch(std::string_view gbk) {
  std::u32string folded(gbk.size(), U'\0');
  folded.resize(FoldInto(gbk, folded.data()) - folded.data());
  return folded;
}

}  // namespace

FriendQuery::FriendQuery(std::string_view text) : text_(FoldForSearch(text)) {
  if (text_.size() > kLongestSpelled) return;
  const size_t places = text_.size();
  sharedLetters_.resize(PinyinSyllableCount() * places);
  for (size_t syllable = 0; syllable < PinyinSyllableCount(); ++syllable) {
    const std::string_view letters = PinyinSyllable(static_cast<PinyinReading>(syllable << 3));
    for (size_t place = 0; place < places; ++place) {
      sharedLetters_[syllable * places + place] =
          SharedLetters(letters, std::u32string_view(text_).substr(place));
    }
  }
}

bool FriendQuery::InContact(std::u32string_view contact) const {
  return contact.find(text_) != contact.npos;
}

bool FriendQuery::SpellsFrom(std::u32string_view name, const PinyinReading* const* readings,
                             size_t start) const {
  const size_t places = text_.size();
  if (places > kLongestSpelled) return name.substr(start, places) == text_;
  const uint64_t whole = uint64_t{1} << places;
  // Bit p: the characters so far spell the text's first p letters.
  uint64_t spelled = 1;
  for (size_t at = start; at < name.size() && spelled != 0; ++at) {
    uint64_t next = 0;
    for (uint64_t left = spelled; left != 0; left &= left - 1) {
      const size_t place = __builtin_ctzll(left);
      if (text_[place] == name[at]) next |= uint64_t{2} << place;
      for (const PinyinReading* reading = readings[at]; *reading != 0; ++reading) {
        const uint8_t shared = sharedLetters_[(*reading >> 3) * places + place];
        // Any start of the syllable, one letter or all of them, spells this character.
        next |= ((uint64_t{1} << shared) - 1) << (place + 1);
      }
    }
    if (next & whole) return true;
    spelled = next;
  }
  return false;
}

FriendSearchIndex::FriendSearchIndex(const std::vector<Friend>& friends) {
  entries_.reserve(friends.size());
  size_t nameBytes = 0, contactBytes = 0;
  for (const Friend& person : friends) {
    nameBytes += person.name.size();
    contactBytes += person.contact.size() + person.calledAs.size() + person.note.size() + 2;
  }
  names_.resize(nameBytes);
  contacts_.resize(contactBytes);
  char32_t* const names = names_.data();
  char32_t* const contacts = contacts_.data();
  char32_t *name = names, *contact = contacts;
  for (const Friend& person : friends) {
    Entry& entry = entries_.emplace_back();
    entry.nameStart = static_cast<uint32_t>(name - names);
    name = FoldInto(person.name, name);
    entry.nameLength = static_cast<uint32_t>(name - names) - entry.nameStart;
    entry.contactStart = static_cast<uint32_t>(contact - contacts);
    // The 称呼 and the 备注 are found as the contact is, each apart so that no text is
    // found across two of them.
    contact = FoldInto(person.contact, contact);
    for (const std::string* more : {&person.calledAs, &person.note}) {
      if (more->empty()) continue;
      *contact++ = kBetweenTexts;
      contact = FoldInto(*more, contact);
    }
    entry.contactLength = static_cast<uint32_t>(contact - contacts) - entry.contactStart;
  }
  names_.resize(name - names);
  contacts_.resize(contact - contacts);
  readings_.reserve(names_.size());
  for (char32_t code : names_) readings_.push_back(PinyinReadingsOf(code));
}

bool FriendSearchIndex::Matches(size_t place, const FriendQuery& query) const {
  if (query.empty()) return true;
  const Entry& entry = entries_[place];
  if (query.InContact(
          std::u32string_view(contacts_).substr(entry.contactStart, entry.contactLength))) {
    return true;
  }
  const std::u32string_view name =
      std::u32string_view(names_).substr(entry.nameStart, entry.nameLength);
  const PinyinReading* const* readings = readings_.data() + entry.nameStart;
  for (size_t start = 0; start < name.size(); ++start) {
    if (query.SpellsFrom(name, readings, start)) return true;
  }
  return false;
}

std::vector<uint32_t> FriendSearchIndex::Find(const FriendQuery& query) const {
  std::vector<uint32_t> found;
  for (size_t place = 0; place < entries_.size(); ++place) {
    if (Matches(place, query)) found.push_back(static_cast<uint32_t>(place));
  }
  return found;
}

}  // namespace memo
