#include "exchange/import_source.h"

#include "exchange/file_format.h"
#include "exchange/friends_csv.h"
#include "exchange/vcard_reader.h"
#include "records/program_files.h"

namespace memo {
namespace {

ImportRead Refused(const char* reason) {
  ImportRead read;
  read.failure = reason;
  return read;
}

}  // namespace

ImportRead ReadImportFile(const std::string& path) {
  std::string bytes;
  switch (ReadWholeFile(path, kMaxImportFileBytes, bytes)) {
    case FileRead::kUnreadable:
      return Refused(kUnreadableFile);
    case FileRead::kTooLarge:
      return Refused(kFileTooLarge);
    case FileRead::kRead:
      break;
  }
  switch (DetectFormat(bytes)) {
    case ExchangeFormat::kVCard:
      return ReadVCards(bytes);
    case ExchangeFormat::kCsv:
      return ReadFriendsCsv(bytes);
    case ExchangeFormat::kCalendar:
      return Refused(kCalendarFile);
    case ExchangeFormat::kBackup:
    case ExchangeFormat::kUnknown:
      break;
  }
  return Refused(kUnknownFile);
}

}  // namespace memo
