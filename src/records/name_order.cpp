#include "records/name_order.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "records/surname_readings.h"
#include "text/gb18030.h"
#include "text/utf8.h"

namespace memo {
namespace {

// The first part of each character's place: what it is spelled with.
constexpr uint16_t kOtherAscii = 0x0001, kFirstDigit = 0x0010, kFirstLetters = 0x0100,
                   kNotChinese = 0x1FFF;

// The places of the syllables and of the single Latin letters in one alphabetical list,
// so that "l" comes before "la" and "li" after "la". ü is filed as u, after the u without
// dots: lu, lü, luan, lüe, lun.
struct LetterPlaces {
  std::vector<uint16_t> ofSyllable;
  uint16_t ofLetter[26];
};

std::string FiledSpelling(std::string_view spelling) {
  std::string filed(spelling);
  const size_t dots = filed.find('v');
  if (dots == filed.npos) return filed;
  filed[dots] = 'u';
  return filed + '\x01';
}

LetterPlaces MakeLetterPlaces() {
  const auto syllableSpelling = [](size_t syllable) {
    return FiledSpelling(PinyinSyllable(static_cast<PinyinReading>(syllable << 3)));
  };
  static const std::string kLetters = "abcdefghijklmnopqrstuvwxyz";
  std::vector<std::string> spellings;
  for (size_t syllable = 0; syllable < PinyinSyllableCount(); ++syllable) {
    spellings.push_back(syllableSpelling(syllable));
  }
  for (char letter : kLetters) spellings.emplace_back(1, letter);
  std::sort(spellings.begin(), spellings.end());
  spellings.erase(std::unique(spellings.begin(), spellings.end()), spellings.end());
  const auto placeOf = [&](const std::string& spelling) {
    const auto found = std::lower_bound(spellings.begin(), spellings.end(), spelling);
    return static_cast<uint16_t>(kFirstLetters + (found - spellings.begin()));
  };
  LetterPlaces places;
  for (size_t syllable = 0; syllable < PinyinSyllableCount(); ++syllable) {
    places.ofSyllable.push_back(placeOf(syllableSpelling(syllable)));
  }
  for (size_t i = 0; i < kLetters.size(); ++i) {
    places.ofLetter[i] = placeOf(std::string(1, kLetters[i]));
  }
  return places;
}

const LetterPlaces& Places() {
  static const LetterPlaces places = MakeLetterPlaces();
  return places;
}

// GB 2312's first level: its characters in pinyin order, in rows 0xB0 to 0xD7 of 94 each.
constexpr uint16_t kFirstLevelStart = 0xB0A1, kFirstLevelEnd = 0xD7FA;
constexpr int kFirstTrail = 0xA1, kTrailsInRow = 94;

int FirstLevelPlace(uint16_t gbk) {
  const int trail = gbk & 0xFF;
  if (gbk < kFirstLevelStart || gbk >= kFirstLevelEnd || trail < kFirstTrail ||
      trail >= kFirstTrail + kTrailsInRow) {
    return -1;
  }
  return ((gbk >> 8) - (kFirstLevelStart >> 8)) * kTrailsInRow + trail - kFirstTrail;
}

uint32_t FirstLevelCharacter(uint16_t gbk) {
  const std::string bytes{static_cast<char>(gbk >> 8), static_cast<char>(gbk & 0xFF)};
  size_t pos = 0;
  return NextGb18030Character(bytes, pos);
}

struct FiledReading {
  uint16_t spelling;
  int tone;
};

// The tone of the first reading spelled `place`, else `otherwise`.
int ToneSpelled(uint16_t place, const PinyinReading* readings, int otherwise) {
  for (const PinyinReading* r = readings; *r != 0; ++r) {
    if (Places().ofSyllable[*r >> 3] == place) return PinyinTone(*r);
  }
  return otherwise;
}

// The reading each first-level character is filed under. The spelling: of its readings, the
// first in alphabetical order that is neither before the spelling of the character before it
// nor after every reading of the one after it (the few readings Unihan has that the standard
// did not file by are passed over). Unihan's customary reading is not always the one the
// standard files a character under (长 is filed under chang, 剥 under bao), and names of
// these characters keep the order they had. The tone: that of its first reading so spelled
// (a character with none takes its neighbour's).
std::vector<FiledReading> MakeFiledReadings() {
  std::vector<const PinyinReading*> readings;
  for (uint32_t lead = kFirstLevelStart >> 8; lead <= (kFirstLevelEnd - 1) >> 8; ++lead) {
    for (int trail = kFirstTrail; trail < kFirstTrail + kTrailsInRow; ++trail) {
      const auto gbk = static_cast<uint16_t>(lead << 8 | trail);
      if (FirstLevelPlace(gbk) >= 0) readings.push_back(PinyinReadingsOf(FirstLevelCharacter(gbk)));
    }
  }
  const std::vector<uint16_t>& ofSyllable = Places().ofSyllable;
  std::vector<FiledReading> filed(readings.size());
  uint16_t previous = 0;
  int previousTone = 0;
  for (size_t i = 0; i < readings.size(); ++i) {
    uint16_t nextLast = kNotChinese;
    if (i + 1 < readings.size() && *readings[i + 1] != 0) {
      nextLast = 0;
      for (const PinyinReading* r = readings[i + 1]; *r != 0; ++r) {
        nextLast = std::max(nextLast, ofSyllable[*r >> 3]);
      }
    }
    uint16_t chosen = kNotChinese;
    for (const PinyinReading* r = readings[i]; *r != 0; ++r) {
      const uint16_t place = ofSyllable[*r >> 3];
      if (place >= previous && place <= nextLast && place < chosen) chosen = place;
    }
    previous = chosen == kNotChinese ? previous : chosen;
    previousTone = ToneSpelled(previous, readings[i], previousTone);
    filed[i] = {previous, previousTone};
  }
  return filed;
}

void AppendNumber(uint32_t value, int bytes, std::string& key) {
  for (int shift = 8 * (bytes - 1); shift >= 0; shift -= 8)
    key += static_cast<char>(value >> shift);
}

// A character's place: how it is spelled, its tone, whether it is outside the first level,
// its GBK code (kNoShortCode for a character GBK lacks) and its code point. Latin letters take
// tone 0, before the characters of the same spelling; within a spelling and tone the first
// level comes first, in its GBK order, a character read as a surname among it by its code.
uint64_t PlaceOf(uint32_t code, const PinyinReading* surname) {
  static const std::vector<FiledReading> filedReadings = MakeFiledReadings();
  const uint16_t gbk = GbkCode(code);
  const int firstLevel = FirstLevelPlace(gbk);
  uint64_t spelled = kNotChinese, tone = 0;
  PinyinReading reading = 0;
  const uint32_t lower = code >= 'A' && code <= 'Z' ? code + ('a' - 'A') : code;
  if (firstLevel >= 0 && !surname) {
    spelled = filedReadings[firstLevel].spelling;
    tone = filedReadings[firstLevel].tone;
  } else if ((reading = surname ? *surname : PinyinReadingsOf(code)[0]) != 0) {
    spelled = Places().ofSyllable[reading >> 3];
    tone = PinyinTone(reading);
  } else if (lower >= 'a' && lower <= 'z') {
    spelled = Places().ofLetter[lower - 'a'];
  } else if (code >= '0' && code <= '9') {
    spelled = kFirstDigit + code - '0';
  } else if (code < 0x80) {
    spelled = kOtherAscii;
  }
  return spelled << 41 | tone << 38 | static_cast<uint64_t>(firstLevel < 0) << 37 |
         static_cast<uint64_t>(gbk) << 21 | code;
}

// Each character's rank in the order of PlaceOf, worked out once, so that a name's key holds
// two bytes a character: the Basic Multilingual Plane by code point, the characters above it
// that have a reading, and the surnames' characters as surnames.
class Ranks {
 public:
  Ranks() {
    std::vector<std::pair<uint64_t, uint32_t>> places;  // place, index into lookups
    for (uint32_t code = 0; code < kPlaneSize; ++code)
      places.emplace_back(PlaceOf(code, nullptr), code);
    // Ideographs above the first plane are in the second and third.
    for (uint32_t code = kIdeographPlanesStart; code < kIdeographPlanesEnd; ++code) {
      if (*PinyinReadingsOf(code) == 0) continue;
      places.emplace_back(PlaceOf(code, nullptr), kPlaneSize + beyond_.size());
      beyond_.push_back({code, 0});
    }
    for (const auto& [code, reading] : SurnameCharacterReadings()) {
      places.emplace_back(PlaceOf(code, &reading), kPlaneSize + beyond_.size() + surnames_.size());
      surnames_.push_back({code, reading, 0});
    }
    std::sort(places.begin(), places.end());
    plane_.resize(kPlaneSize);
    for (uint32_t rank = 0; rank < places.size(); ++rank) {
      const uint32_t index = places[rank].second;
      if (index < kPlaneSize) {
        plane_[index] = rank;
      } else if (index < kPlaneSize + beyond_.size()) {
        beyond_[index - kPlaneSize].rank = rank;
      } else {
        surnames_[index - kPlaneSize - beyond_.size()].rank = rank;
      }
    }
    count_ = static_cast<uint32_t>(places.size());
    // Case breaks ties only after the whole name (AppendCaseTies).
    for (uint32_t capital = 'A'; capital <= 'Z'; ++capital) plane_[capital] = plane_[capital + 32];
  }

  uint32_t Of(uint32_t code) const {
    if (code < kPlaneSize) return plane_[code];
    const auto found = std::lower_bound(beyond_.begin(), beyond_.end(), code,
                                        [](const Beyond& b, uint32_t c) { return b.code < c; });
    if (found != beyond_.end() && found->code == code) return found->rank;
    return count_ + code;  // without a reading: after everything, by code point
  }
  uint32_t OfSurname(uint32_t code, PinyinReading reading) const {
    for (const Surname& surname : surnames_) {
      if (surname.code == code && surname.reading == reading) return surname.rank;
    }
    return Of(code);
  }

 private:
  static constexpr uint32_t kPlaneSize = 0x10000, kIdeographPlanesStart = 0x20000,
                            kIdeographPlanesEnd = 0x40000;
  struct Beyond {
    uint32_t code, rank;
  };
  struct Surname {
    uint32_t code;
    PinyinReading reading;
    uint32_t rank;
  };
  std::vector<uint32_t> plane_;
  std::vector<Beyond> beyond_;
  std::vector<Surname> surnames_;
  uint32_t count_ = 0;
};

// A rank in two bytes from 0x0100 to below 0xFF00 (every character with a reading, every
// Latin letter and digit), else in four that start with 0xFF; byte order stays rank order,
// and no rank starts with the 0 byte that begins a name's case ties.
void AppendRank(uint32_t rank, std::string& key) {
  constexpr uint32_t kFirstRank = 0x100, kTwoByteRanks = 0xFF00;
  rank += kFirstRank;
  if (rank < kTwoByteRanks) {
    AppendNumber(rank, 2, key);
  } else {
    key += '\xFF';
    AppendNumber(rank - kTwoByteRanks, 3, key);
  }
}

bool IsCapital(char c) {
  return c >= 'A' && c <= 'Z';
}

// Capitals rank as their small letters; a name that has any ends in a 0 byte (below every
// rank) and a byte a character up to its last capital, 1 for a capital, so that "alice" comes
// just before "Alice", and both before "Anna".
void AppendCaseTies(std::string_view utf8, std::string& key) {
  if (std::none_of(utf8.begin(), utf8.end(), IsCapital)) return;
  std::string ties(1, '\0');
  for (size_t pos = 0; pos < utf8.size();) {
    const char first = utf8[pos];
    if (!NextUtf8Character(utf8, pos)) ++pos;
    ties += IsCapital(first) ? '\x01' : '\0';
  }
  key.append(ties, 0, ties.find_last_of('\x01') + 1);
}

}  // namespace

void AppendNameSortKey(std::string_view utf8, std::string& key) {
  static const Ranks ranks;
  constexpr uint32_t kAboveUnicode = 0x110000;
  // The first characters, for the surname; most names are no longer.
  char32_t start[4];
  size_t started = 0, pos = 0;
  const auto next = [&] {
    const std::optional<uint32_t> code = NextUtf8Character(utf8, pos);
    return code ? *code : kAboveUnicode + static_cast<unsigned char>(utf8[pos++]);
  };
  while (started < std::size(start) && pos < utf8.size()) start[started++] = next();
  PinyinReading surname[kLongestSurname];
  const size_t surnameLength = SurnameReadings(std::u32string_view(start, started), surname);
  for (size_t i = 0; i < started; ++i) {
    AppendRank(i < surnameLength ? ranks.OfSurname(start[i], surname[i]) : ranks.Of(start[i]), key);
  }
  while (pos < utf8.size()) AppendRank(ranks.Of(next()), key);
  AppendCaseTies(utf8, key);
}

int CompareInNameOrder(std::string_view a, std::string_view b) {
  std::string keyA, keyB;
  AppendNameSortKey(a, keyA);
  AppendNameSortKey(b, keyB);
  return keyA.compare(keyB);
}

}  // namespace memo
