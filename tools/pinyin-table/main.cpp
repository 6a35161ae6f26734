// pinyin-table: writes the program's pinyin table source from Unihan's readings.
//   pinyin-table UNIHAN_READINGS_TXT OUTPUT_FILE
#include <cstdio>
#include <fstream>

#include "table_source.h"
#include "unihan_readings.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fputs("usage: pinyin-table UNIHAN_READINGS_TXT OUTPUT_FILE\n", stderr);
    return 2;
  }
  std::ifstream in(argv[1], std::ios::binary);
  const auto readings = memo::pinyin_table::ReadingsFromUnihan(in);
  if (!in.eof() || readings.empty()) {
    std::fprintf(stderr, "pinyin-table: cannot read readings from %s\n", argv[1]);
    return 1;
  }
  std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
  out << memo::pinyin_table::PinyinTableSource(readings);
  out.close();
  if (!out) {
    std::fprintf(stderr, "pinyin-table: cannot write %s\n", argv[2]);
    return 1;
  }
  return 0;
}
