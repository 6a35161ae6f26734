#include "exchange/import_source.h"

#include "exchange/file_format.h"
#include "exchange/friends_csv.h"
#include "exchange/vcard_reader.h"
#include "records/friend_repository.h"
#include "records/program_files.h"

namespace memo {
namespace {

ImportRead Refused(const std::string& reason) {
  ImportRead read;
  read.failure = reason;
  return read;
}

// The first error the backup's repository reports is the reason the file is refused.
struct FirstError : ErrorReporter {
  void ShowError(const std::string& text) override {
    if (reason.empty()) reason = text;
  }
  std::string reason;
};

// A backup holds the program's own rows: their stored texts are taken as they are, and a
// row is counted from 1 in stored order.
ImportRead ReadBackup(const std::string& path) {
  FirstError errors;
  FriendRepository backup(errors);
  std::vector<Friend> friends;
  if (!backup.OpenToRead(path) || !backup.Load(SortCode::kStored, friends)) {
    return Refused(errors.reason);
  }
  if (friends.size() > kMaxImportEntries) return Refused(kTooManyEntries);
  ImportRead read;
  for (size_t i = 0; i < friends.size(); ++i) {
    Friend& person = friends[i];
    const int row = static_cast<int>(i + 1);
    if (!person.birthday.ok()) {
      read.Refuse(row, person.name, kBadBirthday);
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
      return ReadBackup(path);
    case ExchangeFormat::kUnknown:
      break;
  }
  return Refused(kUnknownFile);
}

}  // namespace memo
