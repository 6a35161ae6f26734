// The name a backup is offered under carries its day; what a killed one left goes at start.
#include "records/backup_name.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "temp_folder.h"

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

TEST(BackupName, LeftoversOfTheProgramsOwnCopiesGoAndNothingElse) {
  const struct {
    const char* name;  // UTF-8, as on the disk
    bool removed;
  } cases[] = {
      {u8"寿辰备忘录恢复前-2026-12-07-201530.mdb.part", true},
      {u8"寿辰备忘录恢复前-2026-12-07-201530.mdb.part-journal", true},
      {u8"寿辰备忘录备份-2026-12-07.mdb.part", true},
      {u8"寿辰备忘录备份-2026-12-07.mdb.part-journal", true},
      {u8"寿辰备忘录恢复前-2026-12-07-201530.mdb", false},
      {u8"寿辰备忘录备份-2026-12-07.mdb", false},
      {"config.mdb", false},
      {"config.mdb-journal", false},
      {u8"最近生日.html", false},
      {"download.mdb.part", false},
      {u8"寿辰备忘录备份-2026-12-07.mdb.part.txt", false},
  };
  testing::TempFolder folder;
  for (const auto& c : cases) testing::WriteFileBytes(folder.File(c.name), "x");
  RemoveLeftoverCopies(folder.path());
  for (const auto& c : cases) {
    EXPECT_EQ(std::filesystem::exists(folder.File(c.name)), !c.removed) << c.name;
  }
}

}  // namespace
}  // namespace memo
