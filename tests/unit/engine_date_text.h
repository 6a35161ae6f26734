// Engine dates as short texts, so that a failing comparison says which date it was.
#pragma once

#include <string>

#include "lunar/lunar_engine.h"

namespace memo::testing {

inline std::string Text(const LunarDate& date) {
  return std::to_string(date.year) + "-" + std::to_string(date.month) + "-" +
         std::to_string(date.day) + (date.isLeapMonth ? " leap" : "");
}

inline std::string Text(const CivilDate& date) {
  return std::to_string(date.year) + "-" + std::to_string(date.month) + "-" +
         std::to_string(date.day);
}

}  // namespace memo::testing
