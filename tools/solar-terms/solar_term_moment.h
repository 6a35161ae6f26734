// The moment at which the sun's apparent longitude reaches a solar term, in UTC+8 to the
// second.
#pragma once

#include "lunar/solar_term_table.h"
#include "vsop87_earth.h"

namespace memo::solar_terms {

// Apparent geocentric longitude of the sun in degrees, 0..360, at a Julian day in TT.
double ApparentSolarLongitude(const Vsop87Earth& earth, double julianDayTt);

// termIndex 1 (小寒, 285°) .. 24 (冬至, 270°) of that solar year.
SolarTermRecord SolarTermMomentUtc8(const Vsop87Earth& earth, int year, int termIndex);

}  // namespace memo::solar_terms
