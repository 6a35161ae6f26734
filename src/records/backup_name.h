// The name a backup of the friends is offered under: the day in it, so that the backups of
// several days sit side by side and sort by their day.
#pragma once

#include <string>

#include "datetime/date_time.h"

namespace memo {

// "寿辰备忘录备份-2026-12-07.mdb" for the day of `moment`.
std::string BackupFileName(DateTime moment);

}  // namespace memo
