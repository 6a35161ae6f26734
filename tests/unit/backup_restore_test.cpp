// 恢复备份… over real SQLite files: the friends become the backup's, rowids and texts
// included, after a copy of the friends before; a file that is no backup changes nothing.
#include "exchange/backup_restore.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "recorders.h"
#include "temp_folder.h"

namespace memo {
namespace {

using Rows = std::vector<std::pair<int64_t, std::string>>;

Friend Person(const std::string& name, const std::string& birthday, bool lunar) {
  return Friend{0, name, ReadBirthday(birthday, lunar), ""};
}

Rows RowsOf(const std::string& folder) {
  testing::RecordedErrors errors;
  FriendRepository repository(errors);
  std::vector<Friend> friends;
  repository.Open(folder);
  repository.Load(SortCode::kStored, friends);
  Rows rows;
  for (const Friend& person : friends)
    rows.push_back({person.rowid, person.name + " " + person.birthday.text + " " + person.calledAs +
                                      "|" + person.groups + "|" + person.note});
  return rows;
}

TEST(BackupRestore, ReplacesEveryFriendAfterACopyOfThoseBefore) {
  testing::TempFolder folder;
  testing::RecordedErrors errors;
  FriendRepository repository(errors);
  ASSERT_TRUE(repository.Open(folder.path()));
  repository.Insert(Person("甲", "1980年5月3日", false));
  Friend mother = Person("乙", "5月12日[闰月]", true);
  mother.calledAs = "妈妈";
  mother.groups = "家人、亲戚";
  mother.note = "兰花";
  repository.Insert(mother);
  repository.Insert(Person("丙", "不知道", false));
  const std::string backup = folder.File("backup.mdb");
  ASSERT_TRUE(repository.BackupTo(backup));
  const Rows backedUp = RowsOf(folder.path());
  repository.Delete(1);
  repository.Update(Friend(2, "乙", ReadBirthday("1990年5月12日", true), ""));
  repository.Insert(Person("丁", "2000年1月1日", false));
  const Rows before = RowsOf(folder.path());

  const std::string safety = folder.File("safety.mdb");
  EXPECT_EQ(RestoreBackup(repository, errors, backup, safety), 3);
  EXPECT_EQ(RowsOf(folder.path()), backedUp);
  // The copy holds the friends as they were before.
  std::filesystem::create_directory(folder.File("before"));
  std::filesystem::copy_file(safety, folder.File("before") + "/config.mdb");
  EXPECT_EQ(RowsOf(folder.File("before")), before);
  EXPECT_TRUE(errors.texts.empty());

  // A file that is no backup is reported, and neither the friends nor a copy are written.
  testing::WriteFileBytes(folder.File("other.mdb"), std::string(2000, 'x'));
  EXPECT_FALSE(RestoreBackup(repository, errors, folder.File("other.mdb"), folder.File("s2.mdb")));
  EXPECT_EQ(errors.texts.size(), 1u);
  EXPECT_FALSE(std::filesystem::exists(folder.File("s2.mdb")));
  EXPECT_EQ(RowsOf(folder.path()), backedUp);
}

}  // namespace
}  // namespace memo
