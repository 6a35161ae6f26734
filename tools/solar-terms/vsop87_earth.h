// The Earth's heliocentric longitude and radius vector from the full VSOP87D series, read
// from the published term list at run time.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace memo::solar_terms {

class Vsop87Earth {
 public:
  // Reads lines "series power A B C"; nothing when the file cannot be read or holds a
  // malformed line.
  static std::optional<Vsop87Earth> Load(const std::string& path);

  // tau: Julian millennia of TT from J2000.0. Longitude in radians, radius in AU.
  double Longitude(double tau) const { return Sum(longitude_, tau); }
  double Radius(double tau) const { return Sum(radius_, tau); }

 private:
  struct Term {
    double amplitude;
    double phase;
    double frequency;
  };
  static constexpr int kMaxPower = 6;
  using Series = std::array<std::vector<Term>, kMaxPower>;  // one list per power of tau

  static double Sum(const Series& series, double tau);

  Series longitude_;
  Series radius_;
};

}  // namespace memo::solar_terms
