#include "records/backup_name.h"

#include <cstdio>

namespace memo {

std::string BackupFileName(DateTime moment) {
  char day[16];
  std::snprintf(day, sizeof(day), "%04d-%02d-%02d", YearOf(moment), MonthOf(moment), DayOf(moment));
  return std::string("寿辰备忘录备份-") + day + ".mdb";
}

}  // namespace memo
