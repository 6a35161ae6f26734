#include "exchange/backup_restore.h"

#include <vector>

#include "exchange/imported_friends.h"
#include "records/backup_file.h"

namespace memo {

std::optional<int> RestoreBackup(FriendRepository& repository, ErrorReporter& errors,
                                 const std::string& backupPath, const std::string& safetyPath) {
  // A backup is a file from outside: read as import reads one, at most as many friends.
  std::vector<Friend> friends;
  if (!ReadBackupFile(backupPath, kMaxImportEntries, friends) ||
      friends.size() > kMaxImportEntries) {
    errors.ShowError(kUnreadableBackup);
    return std::nullopt;
  }
  if (!repository.ReplaceAll(friends, safetyPath)) return std::nullopt;
  return static_cast<int>(friends.size());
}

}  // namespace memo
