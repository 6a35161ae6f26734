#include "exchange/backup_rows.h"

#include <optional>
#include <vector>

#include "records/backup_file.h"

namespace memo {

ImportRead ReadBackupRows(const std::string& path, BackupUse use) {
  std::vector<BackupRow> rows;
  ImportRead read;
  if (!ReadBackupFile(path, kMaxImportEntries, rows)) {
    read.failure = kUnreadableBackup;
  } else if (rows.size() > kMaxImportEntries) {
    read.failure = kTooManyEntries;
  }
  for (size_t i = 0; i < rows.size() && read.failure.empty(); ++i) {
    Friend& person = rows[i].person;
    const int row = static_cast<int>(i + 1);
    std::optional<std::string> name = person.name, contact = person.contact;
    const char* problem = rows[i].brokenText ? kNotUtf8 : TextsProblem(name, contact);
    if (!problem && use == BackupUse::kImport && !person.birthday.ok()) problem = kBadBirthday;
    if (problem) {
      read.Refuse(row, person.name, problem);
      continue;
    }
    person.name = std::move(*name);
    person.contact = std::move(*contact);
    if (use == BackupUse::kImport) person.rowid = 0;
    read.friends.push_back(ImportedFriend{row, std::move(person)});
  }
  return read;
}

}  // namespace memo
