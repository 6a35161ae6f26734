// The text of src/lunar/solar_term_table.cpp.
#pragma once

#include <string>

#include "vsop87_earth.h"

namespace memo::solar_terms {

std::string SolarTermTableSource(const Vsop87Earth& earth);

}  // namespace memo::solar_terms
