#include "vsop87_earth.h"

#include <cmath>
#include <fstream>
#include <sstream>

namespace memo::solar_terms {

std::optional<Vsop87Earth> Vsop87Earth::Load(const std::string& path) {
  std::ifstream in(path);
  if (!in) return std::nullopt;
  Vsop87Earth earth;
  std::string line;
  int termCount = 0;
  while (std::getline(in, line)) {
    if (line.empty()) continue;
    std::istringstream fields(line);
    std::string series;
    int power = -1;
    Term term{};
    if (!(fields >> series >> power >> term.amplitude >> term.phase >> term.frequency) ||
        power < 0 || power >= kMaxPower) {
      return std::nullopt;
    }
    if (series == "l") {
      earth.longitude_[power].push_back(term);
    } else if (series == "r") {
      earth.radius_[power].push_back(term);
    } else if (series != "b") {  // the latitude does not move the longitude of a crossing
      return std::nullopt;
    }
    ++termCount;
  }
  if (termCount == 0) return std::nullopt;
  return earth;
}

double Vsop87Earth::Sum(const Series& series, double tau) {
  // Horner over the powers of tau, highest first.
  double total = 0.0;
  for (int power = kMaxPower - 1; power >= 0; --power) {
    double part = 0.0;
    for (const Term& term : series[power]) {
      part += term.amplitude * std::cos(term.phase + term.frequency * tau);
    }
    total = total * tau + part;
  }
  return total;
}

}  // namespace memo::solar_terms
