#include "exchange/backup_restore.h"

#include <vector>

#include "exchange/backup_rows.h"
#include "exchange/import_plan.h"

namespace memo {

std::string RestoreSummary(const RestoredBackup& restored, const std::string& safetyPath,
                           size_t maxLines) {
  std::string summary = "已恢复备份里的" + std::to_string(restored.restored) + "位好友";
  if (!restored.refusals.empty()) {
    summary += "，不能恢复" + std::to_string(restored.refusals.size()) + "条";
  }
  return summary + "。恢复前的好友已备份到" + safetyPath +
         RefusalList("不能恢复的条目：", restored.refusals, maxLines);
}

std::optional<RestoredBackup> RestoreBackup(FriendRepository& repository, ErrorReporter& errors,
                                            const std::string& backupPath,
                                            const std::string& safetyPath) {
  ImportRead read = ReadBackupRows(backupPath, BackupUse::kRestore);
  if (!read.failure.empty()) {
    errors.ShowError(read.failure);
    return std::nullopt;
  }
  std::vector<Friend> friends;
  for (ImportedFriend& entry : read.friends) friends.push_back(std::move(entry.person));
  if (!repository.ReplaceAll(friends, safetyPath)) return std::nullopt;
  return RestoredBackup{static_cast<int>(friends.size()), std::move(read.refusals)};
}

}  // namespace memo
