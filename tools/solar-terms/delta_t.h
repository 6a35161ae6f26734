// TT − UT in seconds for the years the solar-term table covers.
#pragma once

namespace memo::solar_terms {

// julianDayUt: Julian day in UT.
double DeltaTSeconds(double julianDayUt);

}  // namespace memo::solar_terms
