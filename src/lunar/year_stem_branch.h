// The stem-branch year in force at a moment.
#pragma once

#include "datetime/date_time.h"

namespace memo {

// 1 = 甲子 .. 60 = 癸亥; 0 outside the lunar tables' days.
int YearStemBranchIndex(DateTime moment);

}  // namespace memo
