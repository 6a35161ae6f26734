// Backups from outside, crafted to hang, run code or break the reader: each is refused (or
// read without anything in it running) within the reader's own time limit.
#include "records/backup_file.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <filesystem>

#include "temp_folder.h"

namespace memo {
namespace {

using testing::ReadFileBytes;
using testing::TempFolder;

constexpr char kProgramTable[] =
    u8"create table 生日 (姓名 text, 生日 text, 提醒方式 integer not null default 0, 联系方式 "
    u8"text)";
constexpr char kTwoRows[] =
    u8"insert into 生日 values ('甲', '1980年1月1日', 0, '1'), ('乙', '1990年2月3日', 1, null)";

void Build(const std::string& file, const std::string& sqlUtf8) {
  sqlite3* connection = nullptr;
  ASSERT_EQ(sqlite3_open(file.c_str(), &connection), SQLITE_OK);
  EXPECT_EQ(sqlite3_exec(connection, sqlUtf8.c_str(), nullptr, nullptr, nullptr), SQLITE_OK)
      << sqlite3_errmsg(connection);
  sqlite3_close(connection);
}

// Overwrites every page after the first two with bytes no page holds.
void BreakPages(const std::string& file) {
  std::string bytes = ReadFileBytes(file);
  ASSERT_GT(bytes.size(), 3u * 4096);
  for (size_t i = 2 * 4096; i < bytes.size(); i += 7) bytes[i] = '\xA5';
  testing::WriteFileBytes(file, bytes);
}

TEST(BackupFile, CraftedFilesAreRefusedAndNothingInThemRuns) {
  const std::string longName(200000, 'x');
  std::string manyRows = kProgramTable;
  for (int i = 0; i < 400; ++i) {
    manyRows +=
        u8";insert into 生日 values ('" + longName.substr(0, 90) + u8"', '1980年1月1日', 0, null)";
  }
  struct Case {
    const char* kind;
    std::string sql;  // empty: the file is made below
    size_t rows;      // read, or 0 for a refused file
  };
  const Case cases[] = {
      {"program's own table", std::string(kProgramTable) + ";" + kTwoRows, 2},
      {"endless view",
       u8"create view 生日 as with recursive c(x) as (select 1 union all select x + 1 from c) "
       u8"select x as 姓名, '1980年1月1日' as 生日, 0 as 提醒方式, '' as 联系方式 from c",
       0},
      {"triggers that would write",
       std::string(kProgramTable) + ";" + kTwoRows +
           u8";create table log (x); create trigger t after update on 生日 begin "
           u8"insert into log values (1); end",
       2},
      {"virtual table", u8"create virtual table 生日 using fts5(姓名, 提醒方式, 联系方式)", 0},
      {"computed column",
       u8"create table 生日 (姓名 text, 生日 text, 提醒方式 integer, "
       u8"联系方式 as (zeroblob(1000000000)))",
       0},
      {"missing column", u8"create table 生日 (姓名 text, 生日 text, 联系方式 text)", 0},
      {"huge row",
       std::string(kProgramTable) + u8";insert into 生日 values ('" + longName +
           u8"', '1980年1月1日', 0, null)",
       0},
      {"corrupt pages", manyRows, 0},
      {"zero-length file", "", 0},
      {"directory", "", 0},
  };
  for (const Case& c : cases) {
    TempFolder folder;
    const std::string file = folder.File("backup.mdb");
    const std::string kind = c.kind;
    if (!c.sql.empty()) Build(file, c.sql);
    if (kind == "corrupt pages") BreakPages(file);
    if (kind == "zero-length file") testing::WriteFileBytes(file, "");
    if (kind == "directory") std::filesystem::create_directory(file);
    const std::string before = std::filesystem::is_regular_file(file) ? ReadFileBytes(file) : "";

    std::vector<BackupRow> rows;
    EXPECT_EQ(ReadBackupFile(file, 100, rows), c.rows > 0) << kind;
    EXPECT_EQ(rows.size(), c.rows) << kind;
    if (std::filesystem::is_regular_file(file)) {
      EXPECT_EQ(ReadFileBytes(file), before) << kind;
    }
    // Nothing is made beside the file: no journal, no shared memory.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1) << kind;
  }
}

TEST(BackupFile, ReadsNoMoreRowsThanAskedNorForLongerThanAllowed) {
  TempFolder folder;
  const std::string file = folder.File("backup.mdb");
  std::string sql = kProgramTable;
  for (int i = 0; i < 500; ++i) sql += std::string(";") + kTwoRows;
  Build(file, sql);
  std::vector<BackupRow> rows;
  ASSERT_TRUE(ReadBackupFile(file, 3, rows));
  ASSERT_EQ(rows.size(), 4u);  // one more than asked: the caller sees there are too many
  EXPECT_EQ(rows[1].person.name, "乙");
  EXPECT_TRUE(rows[1].person.birthday.lunar());
  EXPECT_EQ(rows[0].person.contact, "1");
  EXPECT_FALSE(ReadBackupFile(file, 3, rows, std::chrono::milliseconds(0)));
  EXPECT_TRUE(rows.empty());
}

}  // namespace
}  // namespace memo
