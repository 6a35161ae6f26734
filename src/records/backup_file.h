// A backup chosen for import is a file from outside: anyone may have made it, so it is read
// the way SQLite advises for a database nobody vouches for. Nothing in it runs (no view,
// trigger, extension or function of its schema), nothing is written beside it, the rows read
// are bounded and so is the time the reading takes.
#pragma once

#include <chrono>
#include <string>
#include <vector>

#include "records/friend.h"

namespace memo {

inline constexpr std::chrono::milliseconds kBackupReadTime{5000};

// A row as the backup stores it. A text that is no UTF-8 reads with U+FFFD for its broken
// bytes, as the program reads its own table, and is marked, for an import to refuse.
struct BackupRow {
  Friend person;
  bool brokenText = false;
};

// Reads at most maxRows + 1 rows of the table "生日" in stored order, so that the caller
// can tell a file with too many, each with its rowid, and the 称呼, 分组 and 备注 of its details
// table when it has one as this program writes it. False, with no row given, for a file
// that is no sound database, whose "生日" is no plain table with the program's four columns,
// or that takes longer than `timeLimit` to check and read. The path is GBK.
bool ReadBackupFile(const std::string& path, size_t maxRows, std::vector<BackupRow>& rows,
                    std::chrono::milliseconds timeLimit = kBackupReadTime);

}  // namespace memo
