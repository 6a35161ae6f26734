// 恢复备份… over real SQLite files: the friends become the backup's, rowids and texts
// included, after a copy of the friends before; a file that is no backup changes nothing.
#include "exchange/backup_restore.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <thread>

#include <sqlite3.h>

#include "recorders.h"
#include "temp_folder.h"
#include "text/text_codec.h"

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
    rows.push_back({person.rowid, person.name + " " + person.birthday.text});
  return rows;
}

TEST(BackupRestore, ReplacesEveryFriendAfterACopyOfThoseBefore) {
  testing::TempFolder folder;
  testing::RecordedErrors errors;
  FriendRepository repository(errors);
  ASSERT_TRUE(repository.Open(folder.path()));
  repository.Insert(Person("甲", "1980年5月3日", false));
  repository.Insert(Person("乙", "1990年5月12日[闰月]", true));
  repository.Insert(Person("丙", "不知道", false));
  const std::string backup = folder.File("backup.mdb");
  ASSERT_TRUE(repository.BackupTo(backup));
  const Rows backedUp = RowsOf(folder.path());
  repository.Delete(1);
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

// Another connection (the command-line tool, a second window) adds a friend while a restore
// runs: it holds its write open until the restore's copy is whole, or for a moment. Whatever
// the timing, the friend is in the copy or in the friends after.
TEST(BackupRestore, AFriendAddedMeanwhileIsInTheCopyOrKept) {
  testing::TempFolder folder;
  testing::RecordedErrors errors;
  FriendRepository repository(errors);
  ASSERT_TRUE(repository.Open(folder.path()));
  repository.Insert(Person("甲", "1980年5月3日", false));
  const std::string backup = folder.File("backup.mdb");
  ASSERT_TRUE(repository.BackupTo(backup));
  const std::string safety = folder.File("safety.mdb");

  sqlite3* other = nullptr;
  ASSERT_EQ(sqlite3_open((folder.path() + "/config.mdb").c_str(), &other), SQLITE_OK);
  sqlite3_busy_timeout(other, 5000);
  const std::string add = "begin immediate; insert into \"" + Gb18030ToUtf8(kBirthdayTable) +
                          "\" (\"" + Gb18030ToUtf8(kNameColumn) + "\") values ('meanwhile')";
  ASSERT_EQ(sqlite3_exec(other, add.c_str(), nullptr, nullptr, nullptr), SQLITE_OK);
  std::thread restore([&] { RestoreBackup(repository, errors, backup, safety); });
  for (int i = 0; i < 50 && !std::filesystem::exists(safety); ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  EXPECT_EQ(sqlite3_exec(other, "commit", nullptr, nullptr, nullptr), SQLITE_OK);
  sqlite3_close(other);
  restore.join();

  Rows kept = RowsOf(folder.path());
  if (std::filesystem::exists(safety)) {
    std::filesystem::create_directory(folder.File("before"));
    std::filesystem::copy_file(safety, folder.File("before") + "/config.mdb");
    const Rows copied = RowsOf(folder.File("before"));
    kept.insert(kept.end(), copied.begin(), copied.end());
  }
  EXPECT_NE(std::find(kept.begin(), kept.end(), Rows::value_type{2, "meanwhile "}), kept.end());
}

}  // namespace
}  // namespace memo
