#include "records/backup_name.h"

#include <cstdio>

#include "text/file_operations.h"
#include "text/program_files.h"

namespace memo {
namespace {

constexpr char kBackupPrefix[] = "寿辰备忘录备份-";
constexpr char kSafetyPrefix[] = "寿辰备忘录恢复前-";
constexpr char kUpgradePrefix[] = "寿辰备忘录升级前-";
constexpr char kBackupExtension[] = ".mdb";
// SQLite's name for the rollback journal beside a database file.
constexpr char kJournalSuffix[] = "-journal";

bool StartsWith(const std::string& text, const std::string& start) {
  return text.compare(0, start.size(), start) == 0;
}

bool EndsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

}  // namespace

std::string BackupFileName(DateTime moment) {
  char day[16];
  std::snprintf(day, sizeof(day), "%04d-%02d-%02d", YearOf(moment), MonthOf(moment), DayOf(moment));
  return kBackupPrefix + std::string(day) + kBackupExtension;
}

namespace {

std::string MomentText(DateTime moment) {
  char time[32];
  const int seconds = SecondOfDay(moment);
  std::snprintf(time, sizeof(time), "%04d-%02d-%02d-%02d%02d%02d", YearOf(moment), MonthOf(moment),
                DayOf(moment), seconds / 3600, seconds / 60 % 60, seconds % 60);
  return time;
}

}  // namespace

std::string SafetyBackupFileName(DateTime moment) {
  return kSafetyPrefix + MomentText(moment) + kBackupExtension;
}

std::string UpgradeBackupFileName(DateTime moment) {
  return kUpgradePrefix + MomentText(moment) + kBackupExtension;
}

void RemovePartialCopy(const std::string& partial) {
  RemoveFile(partial);
  RemoveFile(partial + kJournalSuffix);
}

void RemoveLeftoverCopies(const std::string& directory) {
  const std::string partial = std::string(kBackupExtension) + kPartialSuffix;
  for (const std::string& name : NamesIn(directory)) {
    if ((StartsWith(name, kBackupPrefix) || StartsWith(name, kSafetyPrefix) ||
         StartsWith(name, kUpgradePrefix)) &&
        (EndsWith(name, partial) || EndsWith(name, partial + kJournalSuffix))) {
      RemoveFile(ProgramFilePath(directory, name));
    }
  }
}

}  // namespace memo
