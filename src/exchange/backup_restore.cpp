#include "exchange/backup_restore.h"

#include <vector>

namespace memo {

std::optional<int> RestoreBackup(FriendRepository& repository, ErrorReporter& errors,
                                 const std::string& backupPath, const std::string& safetyPath) {
  std::vector<Friend> friends;
  FriendRepository backup(errors);
  if (!backup.OpenToRead(backupPath) || !backup.Load(SortCode::kStored, friends)) {
    return std::nullopt;
  }
  if (!repository.BackupTo(safetyPath) || !repository.ReplaceAll(friends)) return std::nullopt;
  return static_cast<int>(friends.size());
}

}  // namespace memo
