// Lunar dates as people write them, read back: "1940年腊月初八", "1990年闰五月十二",
// "1940年十二月初八". Texts are GBK.
#pragma once

#include <optional>
#include <string>

#include "lunar/lunar_engine.h"

namespace memo {

// The date of a text that is a year in digits and 年 (or no year: year 0), an optional 闰, a
// lunar month's name and a lunar day's name, and nothing else; nothing for any other text. The
// day need not exist in that year.
std::optional<LunarDate> ReadLunarDateWords(const std::string& text);

}  // namespace memo
