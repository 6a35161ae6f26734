#include "records/backup_name.h"

#include <cstdio>

namespace memo {

std::string BackupFileName(DateTime moment) {
  char day[16];
  std::snprintf(day, sizeof(day), "%04d-%02d-%02d", YearOf(moment), MonthOf(moment), DayOf(moment));
  return std::string("寿辰备忘录备份-") + day + ".mdb";
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
  return "寿辰备忘录恢复前-" + MomentText(moment) + ".mdb";
}

std::string UpgradeBackupFileName(DateTime moment) {
  return "寿辰备忘录升级前-" + MomentText(moment) + ".mdb";
}

}  // namespace memo
