// A birthday as people read it: a lunar one in lunar words, so that "2004年2月30日" is not
// taken for an impossible solar date.
#pragma once

#include <string>

#include "reckoning/birthday.h"

namespace memo {

// "2004年二月三十", "1990年闰五月初十", "腊月初八" without a year, for a lunar birthday
// that could be read; the stored
// text for a solar one and for one that could not be read.
std::string BirthdayWords(const Birthday& birthday);

}  // namespace memo
