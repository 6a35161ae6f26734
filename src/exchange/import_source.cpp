#include "exchange/import_source.h"

#include "exchange/file_format.h"
#include "exchange/friends_csv.h"
#include "exchange/vcard_reader.h"
#include "records/backup_file.h"
#include "text/program_files.h"

namespace memo {
namespace {

ImportRead Refused(const std::string& reason) {
  ImportRead read;
  read.failure = reason;
  return read;
}

// A backup holds the program's own rows: their stored texts are taken as they are, and a
// row is counted from 1 in stored order.
ImportRead ReadBackup(const std::string& path) {
  std::vector<Friend> friends;
  if (!ReadBackupFile(path, kMaxImportEntries, friends)) return Refused(kUnreadableBackup);
  if (friends.size() > kMaxImportEntries) return Refused(kTooManyEntries);
  ImportRead read;
  for (size_t i = 0; i < friends.size(); ++i) {
    Friend& person = friends[i];
    const int row = static_cast<int>(i + 1);
    const char* problem = ControlProblem(person.name, person.contact);
    if (!person.birthday.ok()) {
      read.Refuse(row, person.name, kBadBirthday);
    } else if (problem) {
      read.Refuse(row, person.name, problem);
    } else if (person.name.empty()) {
      read.Refuse(row, person.name, kNoName);
    } else {
      person.rowid = 0;
      read.friends.push_back(ImportedFriend{row, std::move(person)});
    }
  }
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
      return ReadBackup(path);
    case ExchangeFormat::kUnknown:
      break;
  }
  return Refused(kUnknownFile);
}

}  // namespace memo
