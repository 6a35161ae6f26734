// Imports and the files written beside them, under the conditions a real folder meets: two
// imports at once, an import killed midway, a refused file, a full disk, a read-only folder.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <filesystem>
#include <map>

#include "cli_runner.h"
#include "temp_folder.h"

namespace memo {
namespace {

using testing::ReadFileBytes;
using testing::RunCli;
using testing::TempFolder;

constexpr int kRows = 20000;

// The exit code of a shell command, its output and errors thrown away.
int Shell(const std::string& command) {
  const int status = std::system(("sh -c '" + command + "' >/dev/null 2>&1").c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string Cli() {
  return CLI_PATH;
}

// The answer of a query on the folder's database, "" when it cannot be asked.
std::string Ask(const std::string& folder, const char* sql) {
  sqlite3* connection = nullptr;
  std::string answer;
  // Read-write, as the program opens it: a transaction a killed import left is rolled back.
  if (sqlite3_open_v2((folder + "/config.mdb").c_str(), &connection, SQLITE_OPEN_READWRITE,
                      nullptr) == SQLITE_OK) {
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(connection, sql, -1, &statement, nullptr);
    if (statement && sqlite3_step(statement) == SQLITE_ROW) {
      answer = reinterpret_cast<const char*>(sqlite3_column_text(statement, 0));
    }
    sqlite3_finalize(statement);
  }
  sqlite3_close(connection);
  return answer;
}

void Execute(const std::string& file, const char* sql) {
  sqlite3* connection = nullptr;
  ASSERT_EQ(sqlite3_open(file.c_str(), &connection), SQLITE_OK);
  EXPECT_EQ(sqlite3_exec(connection, sql, nullptr, nullptr, nullptr), SQLITE_OK);
  sqlite3_close(connection);
}

// No file can be made, renamed or removed in the folder, for root too; false when that
// cannot be done here.
bool MakeFolderReadOnly(const std::string& folder) {
  return chmod(folder.c_str(), 0555) == 0 &&
         (geteuid() != 0 || TempFolder::SetImmutable(folder, true));
}

std::string Sheet() {
  std::string sheet = u8"姓名,生日\n";
  for (int i = 0; i < kRows; ++i) sheet += u8"友" + std::to_string(i) + ",1980-05-03\n";
  return sheet;
}

TEST(CliImportSafety, TwoImportsAtOnceAddEveryFriendOnce) {
  TempFolder folder;
  testing::WriteFileBytes(folder.File("in.csv"), Sheet());
  ASSERT_EQ(RunCli("list --db " + folder.path()).exitCode, 0);  // the table exists
  const std::string import = Cli() + " import --db " + folder.path() + " " + folder.File("in.csv");
  EXPECT_EQ(Shell(import + " & a=$!; " + import + " & b=$!; wait $a && wait $b"), 0);
  EXPECT_EQ(Ask(folder.path(), u8"select count(*) from 生日"), std::to_string(kRows));
}

TEST(CliImportSafety, AKilledImportLeavesAllOrNoneOfItsRows) {
  for (const char* delay : {"0.02", "0.05", "0.1", "0.2", "0.4"}) {
    TempFolder folder;
    testing::WriteFileBytes(folder.File("in.csv"), Sheet());
    ASSERT_EQ(RunCli("list --db " + folder.path()).exitCode, 0);
    Shell(Cli() + " import --db " + folder.path() + " " + folder.File("in.csv") +
          " & p=$!; sleep " + delay + "; kill -9 $p; wait $p");
    const std::string count = Ask(folder.path(), u8"select count(*) from 生日");
    EXPECT_TRUE(count == "0" || count == std::to_string(kRows)) << delay << ": " << count;
    EXPECT_EQ(Ask(folder.path(), "pragma integrity_check"), "ok") << delay;
  }
}

TEST(CliImportSafety, ARefusedImportLeavesTheDatabaseAsItWas) {
  TempFolder folder;
  const std::string db = " --db " + folder.path() + " ";
  ASSERT_EQ(RunCli("add" + db + u8"甲 1980年5月3日 solar").exitCode, 0);
  Execute(folder.File("view.mdb"),
          u8"create view 生日 as with recursive c(x) as (select 1 union all select x + 1 from c) "
          u8"select x as 姓名, x as 生日, 0 as 提醒方式, x as 联系方式 from c");
  testing::WriteFileBytes(folder.File("in.ics"), "BEGIN:VCALENDAR\r\n");
  testing::WriteFileBytes(folder.File("empty.mdb"), "");
  const std::string before = ReadFileBytes(folder.File("config.mdb"));
  for (const char* file : {"view.mdb", "in.ics", "empty.mdb", "missing.csv", "."}) {
    EXPECT_EQ(RunCli("import" + db + folder.File(file)).exitCode, 1) << file;
    EXPECT_EQ(ReadFileBytes(folder.File("config.mdb")), before) << file;
  }
}

// Each command that writes, with the folder it writes in made read-only or the disk made
// full (a file size limit): it fails with 1, and once the program opens the folder again
// (rolling back what a failed write left) every file is as it was, with no part of a file
// left behind.
TEST(CliImportSafety, AFullDiskOrReadOnlyFolderFailsAndKeepsEveryFile) {
  TempFolder folder;
  const std::string db = " --db " + folder.path() + " ";
  testing::WriteFileBytes(folder.File("in.csv"), Sheet());
  ASSERT_EQ(RunCli("import" + db + folder.File("in.csv")).exitCode, 0);
  testing::WriteFileBytes(folder.File("old.csv"), "an export the user keeps");
  const struct {
    const char* what;
    std::string command;
  } commands[] = {
      {"add", "add" + db + u8"乙 1980年5月3日 solar"},
      {"import", "import" + db + folder.File("in2.csv")},
      {"backup", "backup" + db + folder.File("copy.mdb")},
      {"export", "export" + db + "--csv " + folder.File("old.csv")},
  };
  std::string other = Sheet();
  other.replace(other.find(u8"友"), 3, u8"朋");
  testing::WriteFileBytes(folder.File("in2.csv"), other);
  // Each file's name and a hash of its bytes.
  const auto snapshot = [&] {
    std::map<std::string, size_t> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
      files[entry.path().filename().string()] =
          std::hash<std::string>()(ReadFileBytes(entry.path().string()));
    }
    return files;
  };
  const auto before = snapshot();
  for (const auto& [what, command] : commands) {
    // A write past 64 KB fails as on a full disk; the signal that would end the program
    // instead is ignored, as it is on Windows, which has none.
    EXPECT_EQ(Shell("trap \"\" XFSZ; ulimit -f 128; " + Cli() + " " + command), 1) << what;
    EXPECT_EQ(RunCli("list" + db).exitCode, 0) << what;
    EXPECT_EQ(snapshot(), before) << what;
  }
  if (!MakeFolderReadOnly(folder.path())) GTEST_SKIP() << "cannot make a folder read-only";
  for (const auto& [what, command] : commands) {
    EXPECT_EQ(Shell(Cli() + " " + command), 1) << what;
    EXPECT_EQ(snapshot(), before) << what;
  }
  TempFolder::SetImmutable(folder.path(), false);
  chmod(folder.path().c_str(), 0755);
}

}  // namespace
}  // namespace memo
