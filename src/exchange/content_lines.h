// Content lines of iCalendar (RFC 5545) and vCard 3.0 (RFC 2426) files, both UTF-8: texts
// escaped, each line ended by CR LF and folded so that no line is longer than 75 octets.
#pragma once

#include <string>
#include <string_view>

namespace memo {

inline constexpr size_t kFoldedLineOctets = 75;

// Appends "NAME:VALUE" (or any content line) and CR LF, folded where it is too long: the
// continuation lines begin with a blank, and no UTF-8 character is split.
void AppendContentLine(std::string& out, std::string_view line);

// A TEXT value: backslash, semicolon and comma escaped, a line break (CR LF, CR or LF) as
// "\n"; other control characters but the tab, which a TEXT value may not hold, are left out.
std::string EscapedText(std::string_view utf8);

}  // namespace memo
