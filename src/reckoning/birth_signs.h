// The signs a birth date carries: the 生肖 of its lunar year and the 星座 of its solar day.
#pragma once

#include <optional>
#include <string>

#include "reckoning/birthday.h"

namespace memo {

// The lunar year of birth, turning at 正月初一: for a lunar birthday its stored year, for a
// solar one the lunar year that day falls in; nothing for an unreadable birthday or a solar
// day outside the engine's days.
std::optional<int> LunarYearOfBirth(const Birthday& birthday);

// The animal of the lunar year of birth, the year turning at 正月初一 (not at 立春): for a
// lunar birthday its stored year, for a solar one the lunar year that day falls in. Empty for
// a birthday that could not be read or outside the engine's years.
std::string ZodiacOfBirth(const Birthday& birthday);

// "白羊座" … "双鱼座" of the solar birth day; for a lunar birthday the solar day of the lunar
// birth day. Empty when there is no such day.
std::string StarSignOfBirth(const Birthday& birthday);
// The same for a solar month and day.
std::string StarSignOf(int month, int day);

}  // namespace memo
