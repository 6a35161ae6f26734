// 恢复备份… over real SQLite files: the friends become the backup's, rowids and texts
// included, after a copy of the friends before; a file that is no backup changes nothing.
#include "exchange/backup_restore.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <thread>

#include <sqlite3.h>

#include "exchange/import_plan.h"
#include "exchange/import_source.h"
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
  const std::optional<RestoredBackup> restored = RestoreBackup(repository, errors, backup, safety);
  ASSERT_TRUE(restored);
  EXPECT_EQ(restored->restored, 3);
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
  EXPECT_NE(std::find(kept.begin(), kept.end(), Rows::value_type{2, "meanwhile  ||"}), kept.end());
}

// A backup's rows pass the checks a contact card's or a spreadsheet's entries pass, in an
// import and in a restore alike; the others come in, a restore's under their rowids.
TEST(BackupRestore, RowsAnImportWouldRefuseAreListedAndTheOthersCome) {
  testing::TempFolder folder;
  const std::string backup = folder.File("backup.mdb");
  sqlite3* file = nullptr;
  ASSERT_EQ(sqlite3_open(backup.c_str(), &file), SQLITE_OK);
  ASSERT_EQ(
      sqlite3_exec(file,
                   u8"create table 生日 (姓名 text, 生日 text, 提醒方式 integer, 联系方式 text);"
                   u8"insert into 生日 values ('ok', '1980年5月3日', 0, null),"
                   u8"('a' || char(0) || 'b', '1980年5月3日', 0, null),"
                   u8"('esc', '1980年5月3日', 0, char(27) || '[2J'),"
                   u8"(replace(hex(zeroblob(300)), '00', 'x'), '1980年5月3日', 0, null),"
                   u8"(cast(x'41ff42' as text), '1980年5月3日', 0, null),"
                   u8"('unknown', '不知道', 0, null)",
                   nullptr, nullptr, nullptr),
      SQLITE_OK);
  sqlite3_close(file);
  const std::vector<std::string> refused = {"第2行 a b：" + std::string(kNameControl),
                                            "第3行 esc：" + std::string(kContactControl),
                                            "第4行 " + std::string(40, 'x') + "…：" + kNameTooLong,
                                            "第5行 A\x84\x31\xA4\x37"
                                            "B：" +
                                                std::string(kNotUtf8)};
  auto lines = [](const std::vector<Refusal>& refusals) {
    std::vector<std::string> texts;
    for (const Refusal& refusal : refusals) texts.push_back(RefusalLine(refusal));
    return texts;
  };

  const ImportRead imported = ReadImportFile(backup);
  ASSERT_EQ(imported.friends.size(), 1u);
  EXPECT_EQ(imported.friends[0].person.name, "ok");
  std::vector<std::string> importRefused = refused;
  importRefused.push_back("第6行 unknown：" + std::string(kBadBirthday));
  EXPECT_EQ(lines(imported.refusals), importRefused);

  testing::RecordedErrors errors;
  FriendRepository repository(errors);
  ASSERT_TRUE(repository.Open(folder.path()));
  const std::optional<RestoredBackup> restored =
      RestoreBackup(repository, errors, backup, folder.File("safety.mdb"));
  ASSERT_TRUE(restored);
  EXPECT_EQ(lines(restored->refusals), refused);
  EXPECT_EQ(
      RestoreSummary(*restored, "S", 1),
      "已恢复备份里的2位好友，不能恢复4条。恢复前的好友已备份到S\r\n\r\n不能恢复的条目：\r\n" +
          refused[0] + "\r\n……另有3条");
  EXPECT_EQ(RowsOf(folder.path()), (Rows{{1, "ok 1980年5月3日 ||"}, {6, "unknown 不知道 ||"}}));
}

}  // namespace
}  // namespace memo
