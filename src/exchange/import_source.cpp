#include "exchange/import_source.h"

#include "exchange/backup_rows.h"
#include "exchange/file_format.h"
#include "exchange/friends_csv.h"
#include "exchange/vcard_reader.h"
#include "text/program_files.h"

namespace memo {
namespace {

ImportRead Refused(const std::string& reason) {
  ImportRead read;
  read.failure = reason;
  return read;
}

}  // namespace

ImportRead ReadImportFile(const std::string& path, std::optional<FileEncoding> encoding) {
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
      return ReadVCards(bytes, encoding);
    case ExchangeFormat::kCsv:
      return ReadFriendsCsv(bytes, encoding);
    case ExchangeFormat::kCalendar:
      return Refused(kCalendarFile);
    case ExchangeFormat::kBackup:
      return ReadBackupRows(path, BackupUse::kImport);
    case ExchangeFormat::kUnknown:
      break;
  }
  return Refused(kUnknownFile);
}

}  // namespace memo
