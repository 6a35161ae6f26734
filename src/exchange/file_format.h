// Which kind of exchange file a file is, told from its content rather than its name.
#pragma once

#include <string_view>

namespace memo {

enum class ExchangeFormat { kUnknown, kCalendar, kVCard, kCsv, kBackup };

// From the first bytes of the file (a few hundred are enough).
ExchangeFormat DetectFormat(std::string_view bytes);

}  // namespace memo
