// The Mandarin readings of the ideographs, as Unihan's reading fields give them.
#pragma once

#include <cstdint>
#include <istream>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace memo::pinyin_table {

// A syllable in plain letters (ü written v, ê written e) and its tone, 5 for the light tone.
struct Reading {
  std::string syllable;
  int tone = 5;
  bool operator==(const Reading& other) const {
    return syllable == other.syllable && tone == other.tone;
  }
};

// One reading with tone marks, such as "zhǎng" or "lǘ"; nothing for a text that is not one.
std::optional<Reading> ReadingOf(std::string_view toneMarked);

// Every reading of every ideograph in Unihan_Readings.txt, each once: kMandarin's first (its
// first is the customary one), then the dictionaries' (kTGHZ2013, kXHC1983, kHanyuPinyin).
std::map<uint32_t, std::vector<Reading>> ReadingsFromUnihan(std::istream& lines);

}  // namespace memo::pinyin_table
