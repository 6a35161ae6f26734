// Readings for the ideographs that Unihan gives none, taken from their variants.
#pragma once

#include <istream>

#include "unihan_readings.h"

namespace memo::pinyin_table {

// Gives each ideograph of Unihan_Variants.txt that has no reading the readings of its first
// variant that has some, the fields tried in turn: kSemanticVariant, kZVariant,
// kSpecializedSemanticVariant, then kSpoofingVariant (𠮷 is only a spoofing variant of 吉,
// yet the same surname). Readings come only from a variant's own, never from another variant.
void AddVariantReadings(std::istream& lines, std::map<uint32_t, std::vector<Reading>>& readings);

}  // namespace memo::pinyin_table
