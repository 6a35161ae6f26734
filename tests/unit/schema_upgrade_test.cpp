// The first start of this version on a file of the previous one, on real SQLite files: the
// safety copy, one transaction for every step, and a process killed in the middle of it.
#include "records/schema_upgrade.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "datetime/clock.h"
#include "recorders.h"
#include "records/friend_repository.h"
#include "temp_folder.h"
#include "text/text_codec.h"
#include "text/text_operations.h"

namespace memo {
namespace {

using testing::RecordedErrors;
using testing::TempFolder;

// The file as the previous version wrote it: the birthday table alone, version 0.
constexpr char kPreviousVersion[] =
    u8"create table 生日 (姓名 text, 生日 text, 提醒方式 integer not null default 0, "
    u8"联系方式 text); insert into 生日 values ('王丽', '1966年5月1日', 0, '138');"
    u8"insert into 生日 values ('张伟', '1990年腊月初八', 1, null);";

struct Database {
  explicit Database(const std::string& path) { sqlite3_open(path.c_str(), &connection); }
  ~Database() { sqlite3_close(connection); }
  std::string One(const char* sqlUtf8) const {
    sqlite3_stmt* statement = nullptr;
    std::string answer = "(none)";
    sqlite3_prepare_v2(connection, sqlUtf8, -1, &statement, nullptr);
    if (statement && sqlite3_step(statement) == SQLITE_ROW && sqlite3_column_text(statement, 0)) {
      answer = reinterpret_cast<const char*>(sqlite3_column_text(statement, 0));
    }
    sqlite3_finalize(statement);
    return answer;
  }
  sqlite3* connection = nullptr;
};

// What the previous version's file holds, asked of any file that should still be that file.
void ExpectPreviousVersion(const std::string& path) {
  const Database file(path);
  EXPECT_EQ(file.One("pragma user_version"), "0");
  EXPECT_EQ(file.One("pragma quick_check"), "ok");
  EXPECT_EQ(file.One(u8"select count(*) from sqlite_master where name = '好友资料'"), "0");
  EXPECT_EQ(file.One(u8"select group_concat(姓名 || 生日, '|') from 生日"),
            u8"王丽1966年5月1日|张伟1990年腊月初八");
}

class SchemaUpgradeTest : public ::testing::Test {
 protected:
  SchemaUpgradeTest() {
    const Database file(Path());
    sqlite3_exec(file.connection, kPreviousVersion, nullptr, nullptr, nullptr);
  }
  std::string Path() const { return folder.File("config.mdb"); }
  std::vector<std::string> CopiesBeside() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
      const std::string name = entry.path().filename().string();
      if (name != "config.mdb") names.push_back(name);
    }
    return names;
  }

  TempFolder folder;
  RecordedErrors errors;
};

TEST_F(SchemaUpgradeTest, FirstOpenCopiesTheFileThenUpgradesAndKeepsEveryDetail) {
  std::vector<Friend> friends;
  {
    FriendRepository repository(errors);
    ASSERT_TRUE(repository.Open(folder.path()));
    ASSERT_TRUE(repository.Load(SortCode::kStored, friends));
    ASSERT_EQ(friends.size(), 2u);
    friends[0].calledAs = "妈妈";
    friends[0].groups = "家人、亲戚";
    friends[0].note = "喜欢兰花\n不吃辣";
    ASSERT_NE(repository.Update(friends[0]), 0);
  }
  const std::vector<std::string> copies = CopiesBeside();
  ASSERT_EQ(copies.size(), 1u);
  EXPECT_EQ(copies[0].find(u8"寿辰备忘录升级前-"), 0u);
  ExpectPreviousVersion(folder.File(copies[0]));

  const Database file(Path());
  EXPECT_EQ(file.One("pragma user_version"), std::to_string(SchemaSteps().size()));
  EXPECT_EQ(file.One(u8"select group_concat(name, ',') from pragma_table_info('生日')"),
            u8"姓名,生日,提醒方式,联系方式");
  // A second open finds nothing to upgrade and writes no second copy.
  FriendRepository again(errors);
  ASSERT_TRUE(again.Open(folder.path()));
  std::vector<Friend> loaded;
  ASSERT_TRUE(again.Load(SortCode::kStored, loaded));
  EXPECT_EQ(CopiesBeside().size(), 1u);
  EXPECT_EQ(loaded[0].calledAs, "妈妈");
  EXPECT_EQ(loaded[0].groups, "家人、亲戚");
  EXPECT_EQ(loaded[0].note, "喜欢兰花\n不吃辣");
  EXPECT_FALSE(loaded[1].HasDetails());
  EXPECT_TRUE(errors.texts.empty());
}

TEST_F(SchemaUpgradeTest, DetailsOfARowAnOlderCopyDeletedDoNotPassToItsSuccessor) {
  {
    FriendRepository repository(errors);
    ASSERT_TRUE(repository.Open(folder.path()));
    Friend aunt(0, "李芳", ReadBirthday("1970年3月3日", false), "");
    aunt.calledAs = "李阿姨";
    ASSERT_EQ(repository.Insert(aunt), 3);
  }
  // The previous version deletes the row and takes its rowid for someone else.
  {
    const Database file(Path());
    sqlite3_exec(file.connection,
                 u8"delete from 生日 where rowid = 3; insert into 生日 values ('赵强', "
                 u8"'1980年1月1日', 0, null)",
                 nullptr, nullptr, nullptr);
    ASSERT_EQ(file.One(u8"select rowid from 生日 where 姓名 = '赵强'"), "3");
  }
  FriendRepository repository(errors);
  std::vector<Friend> friends;
  ASSERT_TRUE(repository.Open(folder.path()));
  ASSERT_TRUE(repository.Load(SortCode::kStored, friends));
  EXPECT_FALSE(friends.at(2).HasDetails());
}

// When the copy cannot be written the file stays as it was, the user hears of it, and friends
// without details can still be stored.
TEST_F(SchemaUpgradeTest, UpgradeThatCannotCopyLeavesTheFileAndStillStoresFriends) {
  FixClock(MakeDateTime(2026, 12, 8, 10, 15, 0));
  std::filesystem::create_directory(folder.File(u8"寿辰备忘录升级前-2026-12-08-101500.mdb"));
  {
    FriendRepository repository(errors);
    ASSERT_TRUE(repository.Open(folder.path()));
    SetClock(nullptr);
    ASSERT_EQ(errors.texts.size(), 1u);
    EXPECT_EQ(errors.texts[0].find("无法升级生日表："), 0u);
    Friend plain(0, "赵强", ReadBirthday("1980年1月1日", false), "");
    EXPECT_NE(repository.Insert(plain), 0);
    plain.calledAs = "强哥";
    EXPECT_EQ(repository.Insert(plain), 0);  // refused and reported, not lost silently
    EXPECT_EQ(errors.texts.size(), 2u);
  }
  const Database file(Path());
  EXPECT_EQ(file.One("pragma user_version"), "0");
  EXPECT_EQ(file.One(u8"select count(*) from 生日"), "3");
}

// A copy of the program that knows no birthday without a year reads the 生日 column by the
// date texts' rules (the leap mark taken off first): such a text must be no date at all, which
// that copy lists as stored and never counts or writes back, while a dated one still reads.
TEST_F(SchemaUpgradeTest, BirthdaysWithoutAYearAreNoDateToAnOlderCopy) {
  {
    FriendRepository repository(errors);
    ASSERT_TRUE(repository.Open(folder.path()));
    for (const Birthday& birthday :
         {BirthdayOf(false, 0, 5, 1, false), BirthdayOf(false, 0, 12, 31, false),
          BirthdayOf(false, 0, 2, 29, false), BirthdayOf(true, 0, 12, 8, false),
          BirthdayOf(true, 0, 4, 15, true), BirthdayOf(true, 0, 2, 30, false)}) {
      ASSERT_NE(repository.Insert(Friend(0, "某人", birthday, "")), 0);
    }
  }
  sqlite3* connection = nullptr;
  ASSERT_EQ(sqlite3_open(Path().c_str(), &connection), SQLITE_OK);
  sqlite3_stmt* statement = nullptr;
  sqlite3_prepare_v2(connection, u8"select 生日 from 生日 order by rowid", -1, &statement, nullptr);
  std::vector<std::string> texts;
  while (sqlite3_step(statement) == SQLITE_ROW) {
    texts.push_back(
        Utf8ToGb18030(reinterpret_cast<const char*>(sqlite3_column_text(statement, 0))));
  }
  sqlite3_finalize(statement);
  sqlite3_close(connection);
  ASSERT_EQ(texts.size(), 8u);
  EXPECT_NE(DateFromText(texts[0]), kMinDateTime);  // the previous version's own rows
  for (size_t i = 2; i < texts.size(); ++i) {
    EXPECT_EQ(DateFromText(ReplaceText(texts[i], kLeapMonthMark, "")), kMinDateTime) << texts[i];
    EXPECT_TRUE(ReadBirthday(texts[i], i >= 5).ok()) << texts[i];  // and this version reads it
  }
}

// The child process dies by SIGKILL while the upgrade's transaction is open, after its
// steps have written: the file must still be the previous version's, whole.
TEST_F(SchemaUpgradeTest, KillDuringTheUpgradeLeavesTheOldFileWhole) {
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    sqlite3* connection = nullptr;
    sqlite3_open(Path().c_str(), &connection);
    sqlite3_create_function(
        connection, "die", 0, SQLITE_UTF8, nullptr,
        [](sqlite3_context*, int, sqlite3_value**) { raise(SIGKILL); }, nullptr, nullptr);
    std::vector<SchemaStep> steps = SchemaSteps();
    steps.push_back(u8"insert into 好友资料 (好友, 称呼) values (1, '妈妈'); select die()");
    std::string error;
    UpgradeSchema(connection, steps, "", error);
    _exit(0);  // never reached: the step kills the process
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
  ExpectPreviousVersion(Path());
  // The next start rolls the journal back and upgrades as if nothing had happened.
  FriendRepository repository(errors);
  ASSERT_TRUE(repository.Open(folder.path()));
  EXPECT_EQ(Database(Path()).One("pragma user_version"), std::to_string(SchemaSteps().size()));
}

}  // namespace
}  // namespace memo
