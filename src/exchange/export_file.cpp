#include "exchange/export_file.h"

#include "exchange/friends_csv.h"
#include "exchange/vcard_writer.h"

namespace memo {
namespace {

std::string Summary(int written, const char* unit, int skipped) {
  std::string summary = "已导出" + std::to_string(written) + unit + "。";
  if (skipped > 0) summary += std::to_string(skipped) + "位好友的生日无法读取，没有导出。";
  return summary;
}

}  // namespace

ExportedFile ExportFriends(const std::vector<Friend>& friends, ExchangeFormat format,
                           const CalendarOptions& calendar) {
  switch (format) {
    case ExchangeFormat::kCalendar: {
      CalendarFile file = WriteCalendar(friends, calendar);
      return {std::move(file.bytes), Summary(file.events, "个生日事件", file.skipped)};
    }
    case ExchangeFormat::kVCard: {
      CardFile file = WriteVCards(friends);
      return {std::move(file.bytes), Summary(file.cards, "张名片", file.skipped)};
    }
    case ExchangeFormat::kCsv:
      return {WriteFriendsCsv(friends), Summary(static_cast<int>(friends.size()), "位好友", 0)};
    case ExchangeFormat::kBackup:
    case ExchangeFormat::kUnknown:
      break;
  }
  return {};
}

}  // namespace memo
