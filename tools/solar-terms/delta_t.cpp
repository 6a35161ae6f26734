#include "delta_t.h"

#include <cmath>

namespace memo::solar_terms {
namespace {

// Espenak and Meeus (2006), fitted with a lunar tidal acceleration of −26″/cy².
double EspenakMeeus(double y) {
  if (y < 1900) {
    double t = y - 1860;
    return 7.62 + 0.5737 * t - 0.251754 * t * t + 0.01680668 * std::pow(t, 3) -
           0.0004473624 * std::pow(t, 4) + std::pow(t, 5) / 233174;
  }
  if (y < 1920) {
    double t = y - 1900;
    return -2.79 + 1.494119 * t - 0.0598939 * t * t + 0.0061966 * std::pow(t, 3) -
           0.000197 * std::pow(t, 4);
  }
  if (y < 1941) {
    double t = y - 1920;
    return 21.20 + 0.84493 * t - 0.076100 * t * t + 0.0020936 * std::pow(t, 3);
  }
  if (y < 1961) {
    double t = y - 1950;
    return 29.07 + 0.407 * t - t * t / 233 + std::pow(t, 3) / 2547;
  }
  if (y < 1986) {
    double t = y - 1975;
    return 45.45 + 1.067 * t - t * t / 260 - std::pow(t, 3) / 718;
  }
  double t = y - 2000;
  return 63.86 + 0.3345 * t - 0.060374 * t * t + 0.0017275 * std::pow(t, 3) +
         0.000651814 * std::pow(t, 4) + 0.00002373599 * std::pow(t, 5);
}

}  // namespace

double DeltaTSeconds(double julianDayUt) {
  const double y = 2000 + (julianDayUt - 2451544.5) / 365.2425;
  if (y >= 2000) {
    double t = y - 2000;
    return 63.86 + 0.84 * t + 0.0079 * t * t;
  }
  double deltaT = EspenakMeeus(y);
  if (y < 1955) {
    // Brings the older fits to the tidal acceleration −23.8946″/cy² of the lunar theory.
    double u = (y - 1955) / 100;
    deltaT += -0.91072 * (26 - 23.8946) * u * u;
  }
  return deltaT;
}

}  // namespace memo::solar_terms
