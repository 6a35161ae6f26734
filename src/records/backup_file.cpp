#include "records/backup_file.h"

#include <sqlite3.h>

#include <array>
#include <memory>

#include "records/friend_details.h"
#include "records/friend_repository.h"
#include "records/gbk_collation.h"
#include "records/schema_steps.h"
#include "text/text_codec.h"

namespace memo {
namespace {

using Clock = std::chrono::steady_clock;

constexpr int kProgressSteps = 100;
// No stored text of the program comes near this; a larger value ends the reading.
constexpr int kMaxValueBytes = 1 << 16;
constexpr std::array<const char*, 4> kColumns = {kNameColumn, kBirthdayColumn, kLunarColumn,
                                                 kContactColumn};
constexpr std::array<const char*, 5> kDetailsColumns = {
    kDetailsRowidColumn, kDetailsNameColumn, kCalledAsColumn, kGroupsColumn, kNoteColumn};

struct Closer {
  void operator()(sqlite3* connection) const { sqlite3_close_v2(connection); }
};
using Connection = std::unique_ptr<sqlite3, Closer>;

struct Finalizer {
  void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
};
using Statement = std::unique_ptr<sqlite3_stmt, Finalizer>;

Statement Prepare(sqlite3* connection, const std::string& sqlUtf8) {
  sqlite3_stmt* statement = nullptr;
  sqlite3_prepare_v2(connection, sqlUtf8.c_str(), -1, &statement, nullptr);
  return Statement(statement);
}

// The whole text, a NUL in it too, for the import to refuse rather than cut.
std::string TextAt(sqlite3_stmt* statement, int column, bool& broken) {
  const unsigned char* text = sqlite3_column_text(statement, column);
  if (!text) return std::string();
  const std::string utf8(reinterpret_cast<const char*>(text),
                         sqlite3_column_bytes(statement, column));
  broken = broken || !IsWellFormedUtf8(utf8);
  return Utf8ToGb18030(utf8);
}

std::string Quoted(const char* gbk) {
  return "\"" + Gb18030ToUtf8(gbk) + "\"";
}

// "immutable" tells SQLite the file cannot change: it takes no lock, looks for no journal to
// roll back and creates nothing beside the file. Every byte but the plainest is escaped, so
// that no part of the path reads as a query parameter.
std::string ImmutableUri(const std::string& pathUtf8) {
  constexpr char kHex[] = "0123456789ABCDEF";
  std::string uri = "file:";
  for (const char c : pathUtf8) {
    const unsigned char byte = static_cast<unsigned char>(c);
    if ((byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z') ||
        (byte >= '0' && byte <= '9') || c == '/' || c == '.' || c == '-' || c == '_') {
      uri += c;
    } else {
      uri += {'%', kHex[byte >> 4], kHex[byte & 15]};
    }
  }
  return uri + "?mode=ro&immutable=1";
}

Connection OpenUntrusted(const std::string& path, Clock::time_point* deadline) {
  sqlite3* raw = nullptr;
  const int opened =
      sqlite3_open_v2(ImmutableUri(Gb18030ToUtf8(path)).c_str(), &raw,
                      SQLITE_OPEN_READONLY | SQLITE_OPEN_URI | SQLITE_OPEN_NOMUTEX, nullptr);
  Connection connection(raw);
  if (opened != SQLITE_OK) return nullptr;
  const std::pair<int, int> settings[] = {{SQLITE_DBCONFIG_DEFENSIVE, 1},
                                          {SQLITE_DBCONFIG_TRUSTED_SCHEMA, 0},
                                          {SQLITE_DBCONFIG_ENABLE_LOAD_EXTENSION, 0},
                                          {SQLITE_DBCONFIG_ENABLE_TRIGGER, 0},
                                          {SQLITE_DBCONFIG_ENABLE_VIEW, 0}};
  for (const auto& [setting, value] : settings) {
    if (sqlite3_db_config(raw, setting, value, nullptr) != SQLITE_OK) return nullptr;
  }
  sqlite3_limit(raw, SQLITE_LIMIT_LENGTH, kMaxValueBytes);
  sqlite3_progress_handler(
      raw, kProgressSteps,
      [](void* until) { return Clock::now() > *static_cast<Clock::time_point*>(until) ? 1 : 0; },
      deadline);
  // The table's columns name the program's collation; without it they could not be read.
  if (!RegisterGbkCollation(raw)) return nullptr;
  return connection;
}

// One step of every statement gives its single answer, which must be `expected`.
bool Answers(sqlite3* connection, const std::string& sqlUtf8, const char* expected) {
  const Statement statement = Prepare(connection, sqlUtf8);
  if (!statement || sqlite3_step(statement.get()) != SQLITE_ROW) return false;
  const unsigned char* answer = sqlite3_column_text(statement.get(), 0);
  return answer && std::string(reinterpret_cast<const char*>(answer)) == expected;
}

// A table read must be a plain table (not a view, nor a virtual table whose module would run)
// and hold the program's columns as stored ones, not computed.
template <typename Columns>
bool HasPlainTable(sqlite3* connection, const char* name, const Columns& columns) {
  const std::string table = "'" + Gb18030ToUtf8(name) + "'";
  if (!Answers(connection,
               "select type from pragma_table_list where schema = 'main' and name = " + table,
               "table")) {
    return false;
  }
  for (const char* column : columns) {
    if (!Answers(connection,
                 "select count(*) from pragma_table_xinfo(" + table +
                     ", 'main') where hidden = 0 and name = '" + Gb18030ToUtf8(column) + "'",
                 "1")) {
      return false;
    }
  }
  return true;
}

bool ReadRows(sqlite3* connection, size_t maxRows, std::vector<BackupRow>& rows) {
  std::string columns;
  for (const char* column : kColumns) columns += (columns.empty() ? "" : ", ") + Quoted(column);
  const Statement select =
      Prepare(connection, "select " + columns + ", rowid from main." + Quoted(kBirthdayTable) +
                              " order by rowid limit " + std::to_string(maxRows + 1));
  if (!select) return false;
  int result;
  while ((result = sqlite3_step(select.get())) == SQLITE_ROW) {
    sqlite3_stmt* row = select.get();
    const bool lunar = sqlite3_column_int64(row, 2) != 0;
    BackupRow& read = rows.emplace_back();
    Friend& person = read.person;
    person.rowid = sqlite3_column_int64(row, 4);
    person.name = TextAt(row, 0, read.brokenText);
    person.birthday = ReadBirthday(TextAt(row, 1, read.brokenText), lunar);
    person.contact = TextAt(row, 3, read.brokenText);
  }
  return result == SQLITE_DONE;
}

// A backup of an older version has no details; one whose details cannot be read gives none.
void ReadDetailRows(sqlite3* connection, std::vector<BackupRow>& rows) {
  if (!HasPlainTable(connection, kDetailsTable, kDetailsColumns)) return;
  const Statement select = Prepare(connection, SelectDetailsUtf8());
  if (!select) return;
  DetailsAttacher attacher;
  for (BackupRow& row : rows) attacher.Add(row.person);
  while (sqlite3_step(select.get()) == SQLITE_ROW) {
    sqlite3_stmt* row = select.get();
    // Details never refuse their friend: a broken byte in them reads as U+FFFD, as in the
    // program's own table, and the name they were stored with must still match.
    bool broken = false;
    attacher.Attach(StoredDetails{sqlite3_column_int64(row, 0), TextAt(row, 1, broken),
                                  TextAt(row, 2, broken), TextAt(row, 3, broken),
                                  TextAt(row, 4, broken)});
  }
}

}  // namespace

bool ReadBackupFile(const std::string& path, size_t maxRows, std::vector<BackupRow>& rows,
                    std::chrono::milliseconds timeLimit) {
  rows.clear();
  Clock::time_point deadline = Clock::now() + timeLimit;
  const Connection connection = OpenUntrusted(path, &deadline);
  if (connection && Answers(connection.get(), "pragma quick_check", "ok") &&
      HasPlainTable(connection.get(), kBirthdayTable, kColumns) &&
      ReadRows(connection.get(), maxRows, rows)) {
    ReadDetailRows(connection.get(), rows);
    return true;
  }
  rows.clear();
  return false;
}

}  // namespace memo
