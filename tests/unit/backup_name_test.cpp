// The name a backup is offered under carries its day.
#include "records/backup_name.h"

#include <gtest/gtest.h>

namespace memo {
namespace {

TEST(BackupName, CarriesTheDayOfTheMoment) {
  const struct {
    DateTime moment;
    const char* name;
  } cases[] = {
      {MakeDateTime(2026, 12, 7), "寿辰备忘录备份-2026-12-07.mdb"},
      {MakeDateTime(2027, 1, 1, 23, 59, 59), "寿辰备忘录备份-2027-01-01.mdb"},
      {MakeDateTime(100, 2, 3), "寿辰备忘录备份-0100-02-03.mdb"},
  };
  for (const auto& c : cases) EXPECT_EQ(BackupFileName(c.moment), c.name);
  EXPECT_EQ(SafetyBackupFileName(MakeDateTime(2026, 12, 7, 20, 15, 30)),
            "寿辰备忘录恢复前-2026-12-07-201530.mdb");
}

}  // namespace
}  // namespace memo
