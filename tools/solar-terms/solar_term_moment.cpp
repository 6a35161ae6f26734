#include "solar_term_moment.h"

#include <erfa.h>
#include <erfam.h>

#include <cmath>

#include "delta_t.h"

namespace memo::solar_terms {
namespace {

constexpr double kJ2000 = 2451545.0;
constexpr double kDaysPerMillennium = 365250.0;
constexpr double kArcsecondsPerDegree = 3600.0;
constexpr double kDegreesPerRadian = ERFA_DR2D;
constexpr double kTropicalYearDays = 365.2422;
constexpr double kSecondsPerDay = 86400.0;
// Meeus' shift from the VSOP87 dynamical frame to FK5.
constexpr double kFk5CorrectionArcseconds = -0.09033;
constexpr double kAberrationArcsecondsAu = -20.4898;
// Well below the one millisecond that rounding to the second can notice.
constexpr double kCrossingToleranceDays = 1e-9;
constexpr int kMaxSolverSteps = 50;

double NormalizedDegrees(double degrees) {
  double wrapped = std::fmod(degrees, 360.0);
  return wrapped < 0 ? wrapped + 360.0 : wrapped;
}

// Signed distance from `target` to `longitude`, in −180..180 degrees.
double DegreesPast(double longitude, double target) {
  double difference = NormalizedDegrees(longitude - target);
  return difference > 180.0 ? difference - 360.0 : difference;
}

// Secant iteration from a guess near the crossing; the sun's longitude is smooth and
// nearly linear over a few days.
double CrossingTt(const Vsop87Earth& earth, double targetDegrees, double guessTt) {
  const double meanRate = 360.0 / kTropicalYearDays;
  double previousTt = guessTt;
  double previousOffset = DegreesPast(ApparentSolarLongitude(earth, previousTt), targetDegrees);
  double tt = previousTt - previousOffset / meanRate;
  for (int step = 0; step < kMaxSolverSteps; ++step) {
    double offset = DegreesPast(ApparentSolarLongitude(earth, tt), targetDegrees);
    if (offset == previousOffset) break;
    double next = tt - offset * (tt - previousTt) / (offset - previousOffset);
    previousTt = tt;
    previousOffset = offset;
    tt = next;
    if (std::fabs(tt - previousTt) < kCrossingToleranceDays) break;
  }
  return tt;
}

double UtFromTt(double julianDayTt) {
  double ut = julianDayTt - DeltaTSeconds(julianDayTt) / kSecondsPerDay;
  for (int round = 0; round < 4; ++round) {
    ut = julianDayTt - DeltaTSeconds(ut) / kSecondsPerDay;
  }
  return ut;
}

SolarTermRecord CivilRecord(double julianDay) {
  // Julian days begin at noon; the civil day begins half a day earlier.
  double dayStart = std::floor(julianDay - 0.5) + 0.5;
  long long seconds = std::llround((julianDay - dayStart) * kSecondsPerDay);
  if (seconds == static_cast<long long>(kSecondsPerDay)) {
    dayStart += 1.0;
    seconds = 0;
  }
  int year = 0, month = 0, day = 0;
  double fraction = 0.0;
  eraJd2cal(dayStart, 0.0, &year, &month, &day, &fraction);
  return SolarTermRecord{
      static_cast<uint8_t>(month), static_cast<uint8_t>(day), static_cast<uint8_t>(seconds / 3600),
      static_cast<uint8_t>(seconds / 60 % 60), static_cast<uint8_t>(seconds % 60)};
}

}  // namespace

double ApparentSolarLongitude(const Vsop87Earth& earth, double julianDayTt) {
  const double tau = (julianDayTt - kJ2000) / kDaysPerMillennium;
  double geometric = earth.Longitude(tau) * kDegreesPerRadian + 180.0;
  double nutation = 0.0, obliquityNutation = 0.0;
  eraNut80(julianDayTt, 0.0, &nutation, &obliquityNutation);
  double corrections = kFk5CorrectionArcseconds + kAberrationArcsecondsAu / earth.Radius(tau);
  return NormalizedDegrees(geometric + nutation * kDegreesPerRadian +
                           corrections / kArcsecondsPerDegree);
}

SolarTermRecord SolarTermMomentUtc8(const Vsop87Earth& earth, int year, int termIndex) {
  const double targetDegrees = NormalizedDegrees(285.0 + 15.0 * (termIndex - 1));
  double yearStart = 0.0, modifiedJulianDay = 0.0;
  eraCal2jd(year, 1, 1, &yearStart, &modifiedJulianDay);
  // 小寒 falls about 5 days into January; the terms follow every 1/24 of a year.
  double guessTt = yearStart + modifiedJulianDay + 5.0 + (termIndex - 1) * kTropicalYearDays / 24;
  double ut = UtFromTt(CrossingTt(earth, targetDegrees, guessTt));
  return CivilRecord(ut + 8.0 / 24.0);
}

}  // namespace memo::solar_terms
