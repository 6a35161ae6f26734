// The source of the program's pinyin table (text/pinyin_table.h) from the readings.
#pragma once

#include <string>

#include "unihan_readings.h"

namespace memo::pinyin_table {

std::string PinyinTableSource(const std::map<uint32_t, std::vector<Reading>>& readings);

}  // namespace memo::pinyin_table
