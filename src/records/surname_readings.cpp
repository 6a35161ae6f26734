#include "records/surname_readings.h"

namespace memo {
namespace {

struct Surname {
  std::u32string_view characters;
  std::string_view syllables[kLongestSurname];  // one for each character
};

// From 《现代汉语词典》 (第7版, 商务印书馆, 2016): the readings its entries give these
// characters as a surname (姓), and the compound surnames (复姓) among its entries.
constexpr Surname kSurnames[] = {
    {U"长孙", {"zhang", "sun"}},
    {U"尉迟", {"yu", "chi"}},
    {U"万俟", {"mo", "qi"}},
    {U"曾", {"zeng"}},
    {U"单", {"shan"}},
    {U"解", {"xie"}},
    {U"仇", {"qiu"}},
    {U"区", {"ou"}},
    {U"朴", {"piao"}},
    {U"查", {"zha"}},
    {U"覃", {"qin"}},
    {U"盖", {"ge"}},
    {U"缪", {"miao"}},
    {U"翟", {"zhai"}},
};

// The character's reading of this syllable; its customary one when it has none such.
PinyinReading ReadingWithSyllable(char32_t character, std::string_view syllable) {
  const PinyinReading* const readings = PinyinReadingsOf(character);
  for (const PinyinReading* reading = readings; *reading != 0; ++reading) {
    if (PinyinSyllable(*reading) == syllable) return *reading;
  }
  return readings[0];
}

}  // namespace

size_t SurnameReadings(std::u32string_view name, PinyinReading readings[kLongestSurname]) {
  for (const Surname& surname : kSurnames) {
    if (name.substr(0, surname.characters.size()) != surname.characters) continue;
    for (size_t i = 0; i < surname.characters.size(); ++i) {
      readings[i] = ReadingWithSyllable(surname.characters[i], surname.syllables[i]);
    }
    return surname.characters.size();
  }
  return 0;
}

std::vector<std::pair<char32_t, PinyinReading>> SurnameCharacterReadings() {
  std::vector<std::pair<char32_t, PinyinReading>> readings;
  for (const Surname& surname : kSurnames) {
    for (size_t i = 0; i < surname.characters.size(); ++i) {
      readings.emplace_back(surname.characters[i],
                            ReadingWithSyllable(surname.characters[i], surname.syllables[i]));
    }
  }
  return readings;
}

}  // namespace memo
