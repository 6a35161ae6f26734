// A backup's rows are from outside like any contact card's or spreadsheet's: they pass the
// same checks of their names and contacts before they are imported or restored.
#pragma once

#include <string>

#include "exchange/imported_friends.h"

namespace memo {

// An import adds new friends and takes only birthdays it can count; a restore puts the rows
// back under their rowids and keeps a birthday the program itself stored, readable or not.
enum class BackupUse { kImport, kRestore };

// The rows of the backup at `path` (GBK), each counted from 1 in stored order, the refused
// ones with their reasons; the whole file refused when it cannot be read or holds too many.
ImportRead ReadBackupRows(const std::string& path, BackupUse use);

}  // namespace memo
