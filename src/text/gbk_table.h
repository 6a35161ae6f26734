// UTF-8 converted by looking up each character's short code, for the places that handle many
// short texts: reading the birthday table and ordering it.
#pragma once

#include <string>
#include <string_view>

namespace memo {

// Utf8ToGb18030's result, into `gbk`, for well-formed UTF-8 whose every character GBK holds;
// false for any other text, which only the converter handles.
bool Utf8ToGbkByTable(std::string_view utf8, std::string& gbk);

}  // namespace memo
