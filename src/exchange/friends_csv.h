// Friends as a spreadsheet file: comma-separated values with the header
// 姓名,生日,历法,联系方式,称呼,分组,备注, the birthday as stored ("1980年5月3日", "[闰月]" after
// a lunar leap month; one without a year as "--05-01") and the calendar as "公历" or "农历".
// Google Contacts' and Outlook's exports are read too (contact_columns.h). Written as UTF-8 with a byte order
// mark, so that Excel reads it right; read as UTF-8 with or without the mark, or as GB 18030.
// A field a spreadsheet would take for a formula is written after an apostrophe, which
// marks text there, and read without it.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "exchange/imported_friends.h"
#include "records/friend.h"

namespace memo {

std::string WriteFriendsCsv(const std::vector<Friend>& friends);

// The columns are found by their header, in any order; a file without the header is read
// in the order above; a header without a name or a birthday column refuses the file. A birthday may be written in any form the date texts take
// ("1980-05-03", "1980/5/3"); the calendar may also be 阳历 or 阴历, and empty is 公历. A
// lunar birthday may also be written as people write it, "1940年腊月初八" or
// "农历1940年十二月初八", with an empty calendar or 农历.
// The encoding is the one chosen, or else the one the bytes tell.
ImportRead ReadFriendsCsv(std::string_view bytes,
                          std::optional<FileEncoding> encoding = std::nullopt);

// The reason a birthday is refused, naming the forms that are taken.
inline constexpr char kBadCsvBirthday[] =
    "生日不是有效日期（可写作1990年5月1日、1990-5-"
    "1、5月1日、1940年腊月初八或农历1940年十二月初八）";

}  // namespace memo
