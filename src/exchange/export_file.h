// One export: the friends written in the chosen format, and the words that tell the user
// what was written.
#pragma once

#include <string>
#include <vector>

#include "exchange/calendar_writer.h"
#include "exchange/file_format.h"
#include "records/friend.h"

namespace memo {

struct ExportedFile {
  std::string bytes;
  // "已导出189个生日事件。", then how many friends were left out and why. GBK.
  std::string summary;
};

// A calendar file follows the options; contact cards and spreadsheets need none. Any other
// format writes nothing.
ExportedFile ExportFriends(const std::vector<Friend>& friends, ExchangeFormat format,
                           const CalendarOptions& calendar);

}  // namespace memo
