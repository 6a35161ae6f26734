// The lunar text templates: directives replaced by the names of a moment's lunar date, its
// year in force and its solar date. All texts GBK.
#pragma once

#include <string>

#include "datetime/date_time.h"

namespace memo {

extern const char* const kDefaultLunarTemplate;  // "%Y年(%S)%M%D %y-%m-%d"

std::string FormatLunarText(DateTime moment, const std::string& templateText);
// The text of a whole day; empty for no day. An empty template is the default one.
std::string FormatLunarDay(DayNumber day, const std::string& templateText);

}  // namespace memo
