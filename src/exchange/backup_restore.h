// 恢复备份…: every friend replaced with a backup's, as the backup stores them (texts and
// rowids), after a copy of the friends before is written, so that a wrong backup costs
// nothing. Import merges; this replaces.
#pragma once

#include <optional>
#include <string>

#include "records/error_reporter.h"
#include "records/friend_repository.h"

namespace memo {

// Reads the backup at backupPath (GBK), writes the repository's copy to safetyPath, then
// replaces its friends. The number of friends restored, or nothing when a step failed: a
// backup that cannot be read is reported to `errors` and changes nothing; a failed copy or
// replacement is reported by the repository, and the friends stay as they were.
std::optional<int> RestoreBackup(FriendRepository& repository, ErrorReporter& errors,
                                 const std::string& backupPath, const std::string& safetyPath);

}  // namespace memo
