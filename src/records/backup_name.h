// The name a backup of the friends is offered under: the day in it, so that the backups of
// several days sit side by side and sort by their day. And what a killed backup leaves.
#pragma once

#include <string>

#include "datetime/date_time.h"

namespace memo {

// "寿辰备忘录备份-2026-12-07.mdb" for the day of `moment`.
std::string BackupFileName(DateTime moment);
// The copy of the friends written before a backup replaces them, with the time too, so that
// two restores of one day keep both: "寿辰备忘录恢复前-2026-12-07-201530.mdb".
std::string SafetyBackupFileName(DateTime moment);
// The copy written before this version of the program first changes the tables of a file of
// an older one, a backup that 恢复 reads: "寿辰备忘录升级前-2026-12-07-201530.mdb".
std::string UpgradeBackupFileName(DateTime moment);

// Removes the copy being written at `partial` and the journal SQLite keeps beside it.
void RemovePartialCopy(const std::string& partial);
// Removes what a backup or safety copy under the names above, killed or failed, left in the
// directory: its partial copy and that copy's journal. No other file is touched.
void RemoveLeftoverCopies(const std::string& directory);

}  // namespace memo
