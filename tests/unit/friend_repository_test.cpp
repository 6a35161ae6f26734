// The birthday table on a real SQLite file in a temporary folder.
#include "records/friend_repository.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <filesystem>
#include <random>

#include "recorders.h"
#include "records/backup_file.h"
#include "records/gbk_collation.h"
#include "temp_folder.h"

namespace memo {
namespace {

using testing::ReadFileBytes;
using testing::RecordedErrors;
using testing::TempFolder;
using Texts = std::vector<std::string>;

// The first column of every row of a query, as UTF-8; "NULL" for a null. The text columns
// compare with the program's collation, so the query needs it too.
Texts Query(const std::string& file, const std::string& sqlUtf8) {
  sqlite3* connection = nullptr;
  Texts result;
  if (sqlite3_open_v2(file.c_str(), &connection, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK &&
      RegisterGbkCollation(connection)) {
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(connection, sqlUtf8.c_str(), -1, &statement, nullptr);
    while (statement && sqlite3_step(statement) == SQLITE_ROW) {
      const unsigned char* text = sqlite3_column_text(statement, 0);
      result.push_back(text ? reinterpret_cast<const char*>(text) : "NULL");
    }
    sqlite3_finalize(statement);
  }
  sqlite3_close(connection);
  return result;
}

std::string QueryOne(const std::string& file, const std::string& sqlUtf8) {
  const Texts rows = Query(file, sqlUtf8);
  return rows.empty() ? "" : rows.front();
}

Friend Person(const std::string& name, const std::string& birthday, bool lunar,
              const std::string& contact) {
  return Friend{0, name, ReadBirthday(birthday, lunar), contact};
}

class FriendRepositoryTest : public ::testing::Test {
 protected:
  std::string File() const { return folder.File("config.mdb"); }

  void Fill(const std::vector<Friend>& friends) {
    FriendRepository repository(errors);
    ASSERT_TRUE(repository.Open(folder.path()));
    for (const Friend& person : friends) ASSERT_NE(repository.Insert(person), 0);
  }
  std::vector<Friend> Loaded(SortCode order = SortCode::kStored) {
    FriendRepository repository(errors);
    std::vector<Friend> friends;
    EXPECT_TRUE(repository.Open(folder.path()));
    EXPECT_TRUE(repository.Load(order, friends));
    return friends;
  }
  static Texts Names(const std::vector<Friend>& friends) {
    Texts names;
    for (const Friend& person : friends) names.push_back(person.name);
    return names;
  }
  static Texts Names(const std::vector<BackupRow>& rows) {
    Texts names;
    for (const BackupRow& row : rows) names.push_back(row.person.name);
    return names;
  }

  TempFolder folder;
  RecordedErrors errors;
};

TEST_F(FriendRepositoryTest, MissingFileIsCreatedWithAnEmptyTable) {
  EXPECT_TRUE(Loaded().empty());
  EXPECT_EQ(QueryOne(File(), u8"select count(*) from 生日"), "0");

  // A folder whose name is Chinese: the GBK path reaches the file system as UTF-8.
  std::filesystem::create_directory(folder.path() + u8"/好友");
  FriendRepository other(errors);
  ASSERT_TRUE(other.Open(folder.path() + "/好友"));
  EXPECT_TRUE(std::filesystem::exists(folder.path() + u8"/好友/config.mdb"));
  EXPECT_TRUE(errors.texts.empty());
}

TEST_F(FriendRepositoryTest, StoresTextsAsUtf8NullsAndYesNoAsNumbers) {
  Fill({Person("张三", "1980年5月3日", false, "123"),
        Person("李四", "1990年5月8日[闰月]", true, ""), Person("", "2000年1月1日", false, "x")});
  EXPECT_EQ(QueryOne(File(), u8"select 姓名 from 生日 where rowid = 1"), u8"张三");
  EXPECT_EQ(QueryOne(File(), u8"select 生日 from 生日 where rowid = 2"), u8"1990年5月8日[闰月]");
  EXPECT_EQ(QueryOne(File(), u8"select 提醒方式 || typeof(提醒方式) from 生日 where rowid = 1"),
            "0integer");
  EXPECT_EQ(QueryOne(File(), u8"select 提醒方式 from 生日 where rowid = 2"), "1");
  EXPECT_EQ(QueryOne(File(), u8"select 联系方式 from 生日 where rowid = 2"), "NULL");
  EXPECT_EQ(QueryOne(File(), u8"select 姓名 from 生日 where rowid = 3"), "NULL");

  // Rows written by others: nulls read as empty, and each birthday is read once, here.
  Query(File(), u8"insert into 生日 (生日) values ('1970年1月1日')");
  Query(File(), u8"insert into 生日 (姓名, 生日) values ('坏', 'garbage')");
  const std::vector<Friend> friends = Loaded();
  ASSERT_EQ(friends.size(), 5u);
  EXPECT_EQ(friends[0].rowid, 1);
  EXPECT_EQ(friends[0].name, "张三");
  EXPECT_EQ(friends[0].contact, "123");
  EXPECT_EQ(friends[0].birthday.text, "1980年5月3日");
  EXPECT_EQ(friends[0].birthday.day, 3);
  EXPECT_FALSE(friends[0].birthday.lunar());
  EXPECT_TRUE(friends[1].birthday.lunar() && friends[1].birthday.leap);
  EXPECT_EQ(friends[1].contact, "");
  EXPECT_EQ(friends[3].name, "");
  EXPECT_FALSE(friends[3].birthday.lunar());
  EXPECT_EQ(friends[4].birthday.text, "garbage");
  EXPECT_FALSE(friends[4].birthday.ok());
  EXPECT_TRUE(errors.texts.empty());
}

TEST_F(FriendRepositoryTest, UpdatesAndDeletesByRowid) {
  Fill({Person("赵", "1980年1月1日", false, ""), Person("王", "1980年1月2日", false, "")});
  FriendRepository repository(errors);
  ASSERT_TRUE(repository.Open(folder.path()));
  std::vector<Friend> friends = Loaded(SortCode::kNameAscending);  // 王 赵
  ASSERT_EQ(friends[0].name, "王");

  friends[0].contact = "x";
  EXPECT_EQ(repository.Update(friends[0]), 2);
  EXPECT_EQ(QueryOne(File(), u8"select 姓名 from 生日 where 联系方式 = 'x'"), u8"王");
  EXPECT_EQ(repository.Insert(Person("陈", "1980年1月3日", true, "")), 3);
  ASSERT_TRUE(repository.Delete(1));
  ASSERT_TRUE(repository.Delete(1));  // already gone: nothing to do
  EXPECT_EQ(Query(File(), u8"select 姓名 from 生日 order by rowid"), (Texts{u8"王", u8"陈"}));

  // A row that another program removed meanwhile is written anew, not lost.
  Query(File(), u8"delete from 生日 where 姓名 = '王'");
  friends[0].contact = "z";
  EXPECT_EQ(repository.Update(friends[0]), 4);
  EXPECT_EQ(QueryOne(File(), u8"select 联系方式 from 生日 where 姓名 = '王'"), "z");
  EXPECT_EQ(QueryOne(File(), u8"select count(*) from 生日"), "2");
  EXPECT_TRUE(errors.texts.empty());
}

TEST_F(FriendRepositoryTest, InsertsManyInOneTransactionAllOrNone) {
  Fill({Person("甲", "1980年1月1日", false, "")});
  FriendRepository repository(errors);
  ASSERT_TRUE(repository.Open(folder.path()));
  std::vector<Friend> seen;
  auto storing = [&](std::vector<Friend> friends) {
    return [&seen, friends](const std::vector<Friend>& stored) {
      seen = stored;
      return friends;
    };
  };
  EXPECT_TRUE(repository.InsertChosen(
      storing({Person("乙", "1980年1月2日", true, "2"), Person("丙", "1980年1月3日", false, "")})));
  EXPECT_EQ(Names(seen), Texts{"甲"});
  EXPECT_EQ(Names(Loaded()), (Texts{"甲", "乙", "丙"}));
  EXPECT_EQ(QueryOne(File(), u8"select 提醒方式 from 生日 where 姓名 = '乙'"), "1");

  // The table refuses the second of three: the first is not kept either.
  Query(File(),
        u8"create trigger refuse before insert on 生日 when new.姓名 = '坏' "
        u8"begin select raise(abort, 'refused'); end");
  EXPECT_FALSE(repository.InsertChosen(
      storing({Person("丁", "1980年1月4日", false, ""), Person("坏", "1980年1月5日", false, ""),
               Person("戊", "1980年1月6日", false, "")})));
  EXPECT_EQ(Names(seen), (Texts{"甲", "乙", "丙"}));
  EXPECT_EQ(Names(Loaded()), (Texts{"甲", "乙", "丙"}));
  EXPECT_EQ(errors.texts, Texts{"无法导入好友生日：refused"});
}

TEST_F(FriendRepositoryTest, BackupIsAWholeCopyThatReadsBackAndNeverItsOwnFile) {
  Fill({Person("甲", "1980年1月1日", false, "1"), Person("乙", "1980年1月2日", true, "")});
  FriendRepository repository(errors);
  ASSERT_TRUE(repository.Open(folder.path()));
  // The path is GBK for the repository, UTF-8 on the disk.
  const std::string copy = folder.File("备份.mdb"), copyOnDisk = folder.File(u8"备份.mdb");
  testing::WriteFileBytes(copyOnDisk, "a file the user chose to replace");
  ASSERT_TRUE(repository.BackupTo(copy));
  EXPECT_EQ(ReadFileBytes(copyOnDisk).substr(0, 15), "SQLite format 3");
  std::vector<BackupRow> rows;
  ASSERT_TRUE(ReadBackupFile(copy, 10, rows));
  EXPECT_EQ(Names(rows), (Texts{"甲", "乙"}));
  EXPECT_TRUE(errors.texts.empty());

  const std::string before = ReadFileBytes(File());
  EXPECT_FALSE(repository.BackupTo(File()));
  EXPECT_FALSE(repository.BackupTo(folder.File("missing/copy.mdb")));
  EXPECT_EQ(ReadFileBytes(File()), before);
  EXPECT_FALSE(std::filesystem::exists(folder.File("missing")));
  EXPECT_EQ(errors.texts.size(), 2u);
  EXPECT_EQ(errors.texts[0], "无法备份好友生日：不能备份到数据库文件本身");

  // Reading never creates nor writes a file.
  const std::string foreign = "not a database" + std::string(600, '.');
  testing::WriteFileBytes(folder.File("foreign.mdb"), foreign);
  EXPECT_FALSE(ReadBackupFile(folder.File("foreign.mdb"), 10, rows));
  EXPECT_FALSE(ReadBackupFile(folder.File("absent.mdb"), 10, rows));
  EXPECT_EQ(ReadFileBytes(folder.File("foreign.mdb")), foreign);
  EXPECT_FALSE(std::filesystem::exists(folder.File("absent.mdb")));
}

// A backup killed on the way leaves its partial copy and journal; the next backup to that
// file starts afresh, and a failed one leaves neither.
TEST_F(FriendRepositoryTest, BackupClearsWhatAKilledOneLeftAndLeavesNothingWhenItFails) {
  Fill({Person("甲", "1980年1月1日", false, "1")});
  FriendRepository repository(errors);
  ASSERT_TRUE(repository.Open(folder.path()));
  const std::string copy = folder.File("copy.mdb");
  const std::string leftovers[] = {copy + ".part", copy + ".part-journal"};
  for (const std::string& leftover : leftovers) {
    testing::WriteFileBytes(leftover, "half a copy" + std::string(600, '.'));
  }
  EXPECT_TRUE(repository.BackupTo(copy));
  std::filesystem::create_directory(folder.File("folder.mdb"));  // no file can replace it
  EXPECT_FALSE(repository.BackupTo(folder.File("folder.mdb")));
  for (const std::string& left : {leftovers[0], leftovers[1], folder.File("folder.mdb.part"),
                                  folder.File("folder.mdb.part-journal")}) {
    EXPECT_FALSE(std::filesystem::exists(left)) << left;
  }
  std::vector<BackupRow> rows;
  ASSERT_TRUE(ReadBackupFile(copy, 10, rows));
  EXPECT_EQ(Names(rows), Texts{"甲"});
}

// Every order of a column is the one the table itself gives for the sort code's ORDER BY
// (ties in stored order): names in the GBK collation, NULL first, the calendar by number.
TEST_F(FriendRepositoryTest, LoadsInTheOrdersTheTableSortsIn) {
  const char* names[] = {"张伟", "赵六", "李四", "王五", "阿明", "张", "", "A", "a", "张三",
                         // longer than a key's first eight bytes, some sharing those, some
                         // ending where another goes on
                         "张伟张", "张伟张a", "张伟张ab", "张伟张伟", "张伟张伟伟", "张伟张三",
                         "张伟张阿", "张伟张伟张伟张伟张伟", "张伟张伟张伟张伟张三"};
  const char* birthdays[] = {"1980年5月3日", "1980年10月1日", "1979年12月1日", "1990年5月8日[闰月]",
                             "1980年5月12日"};
  std::mt19937 random(15);
  std::vector<Friend> friends;
  for (int i = 0; i < 300; ++i) {
    friends.push_back(
        Person(names[random() % std::size(names)], birthdays[random() % 5], random() % 2, ""));
  }
  Fill(friends);
  // A null birthday, and names that GBK lacks (in the plane and outside it).
  Query(File(), u8"insert into 生日 (生日, 提醒方式) values (NULL, 1)");
  Query(File(), u8"insert into 生日 (姓名) values ('䷀'), ('\U0001F600'), ('张䷀')");
  const struct {
    SortCode code;
    const char* orderBy;
  } orders[] = {
      {SortCode::kStored, "rowid"},
      {SortCode::kNameAscending, u8"姓名 asc"},
      {SortCode::kNameDescending, u8"姓名 desc"},
      {SortCode::kCalendar, u8"提醒方式 asc"},
  };
  auto check = [&] {
    for (const auto& order : orders) {
      Texts rowids;
      for (const Friend& person : Loaded(order.code))
        rowids.push_back(std::to_string(person.rowid));
      EXPECT_EQ(rowids, Query(File(), std::string(u8"select rowid from 生日 order by ") +
                                          order.orderBy + ", rowid"))
          << order.orderBy;
    }
  };
  check();
  // Values the keys cannot order (bytes that are no UTF-8, a calendar that is no number):
  // the table sorts them itself, the same way.
  Query(File(),
        u8"insert into 生日 (姓名, 生日, 提醒方式) values "
        u8"(cast(x'C0B0' as text), cast(x'FF' as text), 'x')");
  check();
  EXPECT_TRUE(errors.texts.empty());
}

TEST_F(FriendRepositoryTest, FileThatIsNoDatabaseIsReportedAndNeverWritten) {
  std::string foreign = std::string("\0\1\0\0Standard Jet DB\0", 20) + std::string(4000, 'x');
  testing::WriteFileBytes(File(), foreign);
  FriendRepository repository(errors);
  EXPECT_FALSE(repository.Open(folder.path()));
  EXPECT_EQ(errors.texts, (Texts{"无法打开生日表：file is not a database"}));

  // Every later step is refused visibly.
  std::vector<Friend> friends{Person("x", "2000年1月1日", false, "")};
  EXPECT_FALSE(repository.Load(SortCode::kNameAscending, friends));
  EXPECT_TRUE(friends.empty());
  EXPECT_EQ(repository.Insert(Person("张三", "1980年5月3日", false, "")), 0);
  EXPECT_FALSE(repository.Delete(1));
  EXPECT_EQ(errors.texts, (Texts{"无法打开生日表：file is not a database",
                                 "无法打开生日表：file is not a database",
                                 "无法保存好友生日：file is not a database",
                                 "无法删除好友生日：file is not a database"}));
  EXPECT_EQ(ReadFileBytes(File()), foreign);
  EXPECT_FALSE(std::filesystem::exists(File() + "-journal"));
}

TEST_F(FriendRepositoryTest, CorruptDatabaseIsReportedAndNeverWritten) {
  Fill({Person("张三", "1980年5月3日", false, "123")});
  std::string bytes = ReadFileBytes(File());
  ASSERT_GE(bytes.size(), 8192u);
  // Page 2 holds the table's rows.
  std::fill(bytes.begin() + 4096, bytes.begin() + 8192, '\xFF');
  testing::WriteFileBytes(File(), bytes);

  FriendRepository repository(errors);
  EXPECT_FALSE(repository.Open(folder.path()));
  repository.Insert(Person("李四", "1980年5月3日", false, ""));
  ASSERT_EQ(errors.texts.size(), 2u);
  EXPECT_EQ(errors.texts[0].rfind("无法打开生日表：", 0), 0u);
  EXPECT_EQ(errors.texts[1].rfind("无法保存好友生日：", 0), 0u);
  EXPECT_EQ(ReadFileBytes(File()), bytes);
}

TEST_F(FriendRepositoryTest, ReadOnlyFileLoadsAndRefusesChangesVisibly) {
  Fill({Person("张三", "1980年5月3日", false, "123"), Person("李四", "1980年6月3日", false, "")});
  if (!TempFolder::MakeReadOnly(File())) GTEST_SKIP() << "cannot make a file read-only here";
  const std::string bytes = ReadFileBytes(File());

  std::vector<Friend> friends = Loaded();
  ASSERT_EQ(friends.size(), 2u);
  EXPECT_TRUE(errors.texts.empty());

  FriendRepository repository(errors);
  ASSERT_TRUE(repository.Open(folder.path()));
  friends[0].name = "王五";
  EXPECT_EQ(repository.Update(friends[0]), 0);
  EXPECT_EQ(repository.Insert(friends[0]), 0);
  EXPECT_FALSE(repository.Delete(friends[1].rowid));
  ASSERT_EQ(errors.texts.size(), 3u);
  EXPECT_EQ(errors.texts[0], "无法保存好友生日：attempt to write a readonly database");
  EXPECT_EQ(errors.texts[1], "无法保存好友生日：attempt to write a readonly database");
  EXPECT_EQ(errors.texts[2].rfind("无法删除好友生日：", 0), 0u);
  EXPECT_EQ(ReadFileBytes(File()), bytes);
}

}  // namespace
}  // namespace memo
