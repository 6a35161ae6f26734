// solar-terms: writes the solar-term table source from the VSOP87D Earth series.
//   solar-terms VSOP87D_EARTH_FILE OUTPUT_FILE
#include <cstdio>
#include <fstream>

#include "table_source.h"
#include "vsop87_earth.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fputs("usage: solar-terms VSOP87D_EARTH_FILE OUTPUT_FILE\n", stderr);
    return 2;
  }
  auto earth = memo::solar_terms::Vsop87Earth::Load(argv[1]);
  if (!earth) {
    std::fprintf(stderr, "solar-terms: cannot read the series from %s\n", argv[1]);
    return 1;
  }
  std::string source = memo::solar_terms::SolarTermTableSource(*earth);
  std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
  out << source;
  out.close();
  if (!out) {
    std::fprintf(stderr, "solar-terms: cannot write %s\n", argv[2]);
    return 1;
  }
  return 0;
}
