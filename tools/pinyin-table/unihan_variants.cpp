#include "unihan_variants.h"

#include <algorithm>
#include <array>
#include <sstream>

namespace memo::pinyin_table {
namespace {

constexpr std::array<std::string_view, 4> kFields = {
    "kSemanticVariant", "kZVariant", "kSpecializedSemanticVariant", "kSpoofingVariant"};

// "U+4E94<kMatthews U+4E0E" → the code points, their sources left off.
std::vector<uint32_t> VariantsOfValue(const std::string& value) {
  std::vector<uint32_t> codes;
  std::istringstream words(value);
  for (std::string word; words >> word;) {
    if (word.rfind("U+", 0) == 0) codes.push_back(std::stoul(word.substr(2), nullptr, 16));
  }
  return codes;
}

}  // namespace

void AddVariantReadings(std::istream& lines, std::map<uint32_t, std::vector<Reading>>& readings) {
  std::map<uint32_t, std::array<std::vector<uint32_t>, kFields.size()>> variants;
  for (std::string line; std::getline(lines, line);) {
    if (line.rfind("U+", 0) != 0) continue;
    const size_t tab = line.find('\t'), secondTab = line.find('\t', tab + 1);
    if (secondTab == line.npos) continue;
    const auto field = std::find(kFields.begin(), kFields.end(),
                                 std::string_view(line).substr(tab + 1, secondTab - tab - 1));
    const uint32_t code = std::stoul(line.substr(2, tab - 2), nullptr, 16);
    if (field == kFields.end() || readings.count(code) > 0) continue;
    variants[code][field - kFields.begin()] = VariantsOfValue(line.substr(secondTab + 1));
  }
  std::map<uint32_t, std::vector<Reading>> taken;
  for (const auto& [code, fields] : variants) {
    for (const std::vector<uint32_t>& field : fields) {
      const auto read = std::find_if(field.begin(), field.end(),
                                     [&](uint32_t variant) { return readings.count(variant) > 0; });
      if (read == field.end()) continue;
      taken[code] = readings.at(*read);
      break;
    }
  }
  readings.merge(taken);
}

}  // namespace memo::pinyin_table
