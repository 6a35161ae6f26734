#include "unihan_readings.h"

#include <algorithm>
#include <array>
#include <sstream>

namespace memo::pinyin_table {
namespace {

// The fields in the order their readings are taken.
constexpr std::array<std::string_view, 4> kFields = {"kMandarin", "kTGHZ2013", "kXHC1983",
                                                     "kHanyuPinyin"};

struct Letter {
  uint32_t code;
  char plain;
  int tone;  // 0 for a letter that carries none
};

// The letters with marks that the reading fields use; a combining mark gives its tone to
// the letter before it.
constexpr Letter kMarkedLetters[] = {
    {0xE0, 'a', 4},   {0xE1, 'a', 2},   {0x101, 'a', 1}, {0x1CE, 'a', 3}, {0xE8, 'e', 4},
    {0xE9, 'e', 2},   {0x113, 'e', 1},  {0x11B, 'e', 3}, {0xEA, 'e', 0},  {0x1EBF, 'e', 2},
    {0x1EC1, 'e', 4}, {0xEC, 'i', 4},   {0xED, 'i', 2},  {0x12B, 'i', 1}, {0x1D0, 'i', 3},
    {0xF2, 'o', 4},   {0xF3, 'o', 2},   {0x14D, 'o', 1}, {0x1D2, 'o', 3}, {0xF9, 'u', 4},
    {0xFA, 'u', 2},   {0x16B, 'u', 1},  {0x1D4, 'u', 3}, {0xFC, 'v', 0},  {0x1D6, 'v', 1},
    {0x1D8, 'v', 2},  {0x1DA, 'v', 3},  {0x1DC, 'v', 4}, {0x144, 'n', 2}, {0x148, 'n', 3},
    {0x1F9, 'n', 4},  {0x1E3F, 'm', 2}, {0x304, 0, 1},   {0x301, 0, 2},   {0x30C, 0, 3},
    {0x300, 0, 4},
};

std::optional<uint32_t> NextCharacter(std::string_view text, size_t& pos) {
  const unsigned char lead = static_cast<unsigned char>(text[pos]);
  const size_t length = lead < 0x80    ? 1
                        : lead >= 0xF0 ? 4
                        : lead >= 0xE0 ? 3
                        : lead >= 0xC0 ? 2
                                       : 0;
  if (length == 0 || pos + length > text.size()) return std::nullopt;
  uint32_t code = length == 1 ? lead : lead & (0x7F >> length);
  for (size_t i = 1; i < length; ++i) code = code << 6 | (text[pos + i] & 0x3F);
  pos += length;
  return code;
}

void AddOnce(const Reading& reading, std::vector<Reading>& readings) {
  if (std::find(readings.begin(), readings.end(), reading) == readings.end()) {
    readings.push_back(reading);
  }
}

// The readings of one field's value: kMandarin's are separated by blanks, the dictionaries'
// follow their page numbers ("0121.040:cháng 1456.020:zhǎng", "21521.030:zēng,céng").
std::vector<Reading> ReadingsOfValue(std::string_view value) {
  std::vector<Reading> readings;
  std::istringstream words{std::string(value)};
  for (std::string word; words >> word;) {
    std::string_view listed(word);
    if (const size_t colon = listed.rfind(':'); colon != listed.npos)
      listed.remove_prefix(colon + 1);
    while (!listed.empty()) {
      const size_t comma = listed.find(',');
      if (const auto reading = ReadingOf(listed.substr(0, comma))) AddOnce(*reading, readings);
      listed.remove_prefix(comma == listed.npos ? listed.size() : comma + 1);
    }
  }
  return readings;
}

}  // namespace

std::optional<Reading> ReadingOf(std::string_view toneMarked) {
  Reading reading;
  for (size_t pos = 0; pos < toneMarked.size();) {
    const std::optional<uint32_t> code = NextCharacter(toneMarked, pos);
    if (!code) return std::nullopt;
    if (*code >= 'a' && *code <= 'z') {
      reading.syllable += static_cast<char>(*code);
      continue;
    }
    const auto letter = std::find_if(std::begin(kMarkedLetters), std::end(kMarkedLetters),
                                     [&](const Letter& l) { return l.code == *code; });
    if (letter == std::end(kMarkedLetters)) return std::nullopt;
    if (letter->plain) reading.syllable += letter->plain;
    if (letter->tone) reading.tone = letter->tone;
  }
  if (reading.syllable.empty()) return std::nullopt;
  return reading;
}

std::map<uint32_t, std::vector<Reading>> ReadingsFromUnihan(std::istream& lines) {
  std::map<uint32_t, std::array<std::vector<Reading>, kFields.size()>> byField;
  for (std::string line; std::getline(lines, line);) {
    if (line.rfind("U+", 0) != 0) continue;
    const size_t tab = line.find('\t'), secondTab = line.find('\t', tab + 1);
    if (secondTab == line.npos) continue;
    const std::string_view field = std::string_view(line).substr(tab + 1, secondTab - tab - 1);
    const auto known = std::find(kFields.begin(), kFields.end(), field);
    if (known == kFields.end()) continue;
    const uint32_t code = std::stoul(line.substr(2, tab - 2), nullptr, 16);
    byField[code][known - kFields.begin()] =
        ReadingsOfValue(std::string_view(line).substr(secondTab + 1));
  }
  std::map<uint32_t, std::vector<Reading>> readings;
  for (const auto& [code, fields] : byField) {
    std::vector<Reading>& all = readings[code];
    for (const std::vector<Reading>& field : fields) {
      for (const Reading& reading : field) AddOnce(reading, all);
    }
  }
  return readings;
}

}  // namespace memo::pinyin_table
