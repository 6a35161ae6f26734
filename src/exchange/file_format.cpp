#include "exchange/file_format.h"

#include "exchange/exchange_text.h"

namespace memo {
namespace {

// Every SQLite database file begins with these 16 bytes, the last one a NUL.
constexpr std::string_view kSqliteHeader("SQLite format 3", 16);
constexpr size_t kTextCheckBytes = 4096;

}  // namespace

ExchangeFormat DetectFormat(std::string_view bytes) {
  if (bytes.substr(0, kSqliteHeader.size()) == kSqliteHeader) return ExchangeFormat::kBackup;
  const std::string_view text = Trimmed(WithoutBom(bytes));
  if (StartsWithIgnoringCase(text, "BEGIN:VCARD")) return ExchangeFormat::kVCard;
  if (StartsWithIgnoringCase(text, "BEGIN:VCALENDAR")) return ExchangeFormat::kCalendar;
  // A text file has no NUL byte; anything else with one is no spreadsheet either.
  if (text.empty() || bytes.substr(0, kTextCheckBytes).find('\0') != std::string_view::npos) {
    return ExchangeFormat::kUnknown;
  }
  return ExchangeFormat::kCsv;
}

}  // namespace memo
