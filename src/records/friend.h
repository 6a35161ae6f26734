// A friend as the birthday table holds one: its row, name, birthday and contact. Windows and
// commands address a friend by its rowid; where it shows in a list is only display.
#pragma once

#include <cstdint>
#include <string>

#include "reckoning/birthday.h"

namespace memo {

struct Friend {
  int64_t rowid = 0;  // 0 for a friend not stored yet
  std::string name;
  Birthday birthday;
  std::string contact;
};

}  // namespace memo
