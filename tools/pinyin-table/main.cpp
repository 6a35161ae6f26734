// pinyin-table: writes the program's pinyin table source from Unihan's readings and variants.
//   pinyin-table UNIHAN_READINGS_TXT UNIHAN_VARIANTS_TXT OUTPUT_FILE
#include <cstdio>
#include <fstream>

#include "table_source.h"
#include "unihan_readings.h"
#include "unihan_variants.h"

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fputs("usage: pinyin-table UNIHAN_READINGS_TXT UNIHAN_VARIANTS_TXT OUTPUT_FILE\n", stderr);
    return 2;
  }
  std::ifstream in(argv[1], std::ios::binary);
  auto readings = memo::pinyin_table::ReadingsFromUnihan(in);
  if (!in.eof() || readings.empty()) {
    std::fprintf(stderr, "pinyin-table: cannot read readings from %s\n", argv[1]);
    return 1;
  }
  std::ifstream variants(argv[2], std::ios::binary);
  const size_t read = readings.size();
  memo::pinyin_table::AddVariantReadings(variants, readings);
  if (!variants.eof() || readings.size() == read) {
    std::fprintf(stderr, "pinyin-table: cannot read variants from %s\n", argv[2]);
    return 1;
  }
  std::ofstream out(argv[3], std::ios::binary | std::ios::trunc);
  out << memo::pinyin_table::PinyinTableSource(readings);
  out.close();
  if (!out) {
    std::fprintf(stderr, "pinyin-table: cannot write %s\n", argv[3]);
    return 1;
  }
  return 0;
}
