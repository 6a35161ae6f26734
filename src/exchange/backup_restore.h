// 恢复备份…: every friend replaced with a backup's, as the backup stores them (texts and
// rowids), after a copy of the friends before is written, so that a wrong backup costs
// nothing. Import merges; this replaces. A row whose texts an import would refuse is left
// out and listed.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "exchange/imported_friends.h"
#include "records/error_reporter.h"
#include "records/friend_repository.h"

namespace memo {

struct RestoredBackup {
  int restored = 0;
  std::vector<Refusal> refusals;  // each row left out, counted from 1 in stored order
};

// Reads the backup at backupPath (GBK), writes the repository's copy to safetyPath, then
// replaces its friends. Nothing when a step failed: a backup that cannot be read is reported
// to `errors` and changes nothing; a failed copy or replacement is reported by the
// repository, and the friends stay as they were.
// "已恢复备份里的3位好友，不能恢复1条。恢复前的好友已备份到PATH", then the rows left out,
// cut after maxLines.
std::string RestoreSummary(const RestoredBackup& restored, const std::string& safetyPath,
                           size_t maxLines);

std::optional<RestoredBackup> RestoreBackup(FriendRepository& repository, ErrorReporter& errors,
                                            const std::string& backupPath,
                                            const std::string& safetyPath);

}  // namespace memo
