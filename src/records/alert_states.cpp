#include "records/alert_states.h"

#include <sqlite3.h>

#include "records/database_copy.h"
#include "records/friend_repository.h"
#include "text/program_files.h"
#include "text/text_codec.h"

namespace memo {
namespace {

class Statement {
 public:
  Statement(sqlite3* connection, const char* sql) {
    sqlite3_prepare_v2(connection, sql, -1, &statement_, nullptr);
  }
  ~Statement() { sqlite3_finalize(statement_); }
  Statement(const Statement&) = delete;
  Statement& operator=(const Statement&) = delete;
  sqlite3_stmt* get() const { return statement_; }

 private:
  sqlite3_stmt* statement_ = nullptr;
};

}  // namespace

AlertStateStore::AlertStateStore(ErrorReporter& errors) : errors_(errors) {}

AlertStateStore::~AlertStateStore() {
  sqlite3_close_v2(connection_);
}

bool AlertStateStore::Open(const std::string& directory) {
  sqlite3_close_v2(connection_);
  connection_ = nullptr;
  hasTable_ = false;
  const std::string path = Gb18030ToUtf8(ProgramFilePath(directory, kDatabaseFileName));
  if (sqlite3_open_v2(path.c_str(), &connection_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX,
                      nullptr) != SQLITE_OK) {
    Fail("提醒记录无法打开：");
    sqlite3_close_v2(connection_);
    connection_ = nullptr;
    return false;
  }
  sqlite3_busy_timeout(connection_, kBusyTimeoutMs);
  // A file that is no database, or one left without the table (read-only, or an upgrade that
  // failed), has been reported by the repository already; its alerts then stay unrecorded,
  // and so unshown, without a report at every look.
  hasTable_ = Statement(connection_, "select 1 from alert_states").get() != nullptr;
  return true;
}

bool AlertStateStore::Load(DayNumber since, std::vector<AlertState>& states) {
  states.clear();
  if (!hasTable_) return false;
  Statement select(connection_,
                   "select friend, occurrence, alert_day, name, action, until from alert_states "
                   "where occurrence >= ?");
  if (!select.get()) return Fail("提醒记录无法读取：");
  sqlite3_bind_int64(select.get(), 1, since.days());
  int result;
  while ((result = sqlite3_step(select.get())) == SQLITE_ROW) {
    sqlite3_stmt* row = select.get();
    AlertState state;
    state.friendRowid = sqlite3_column_int64(row, 0);
    state.occurrence = DayNumber(sqlite3_column_int64(row, 1));
    state.alertDay = DayNumber(sqlite3_column_int64(row, 2));
    const unsigned char* name = sqlite3_column_text(row, 3);
    state.name = Utf8ToGb18030(name ? reinterpret_cast<const char*>(name) : "");
    const int action = sqlite3_column_int(row, 4);
    if (action < 0 || action > static_cast<int>(AlertAction::kGreeted)) continue;
    state.action = static_cast<AlertAction>(action);
    state.until = sqlite3_column_int64(row, 5);
    states.push_back(std::move(state));
  }
  if (result != SQLITE_DONE) return Fail("提醒记录无法读取：");
  return true;
}

bool AlertStateStore::Record(const AlertState& state) {
  if (!hasTable_) return false;
  Statement insert(connection_,
                   "insert or replace into alert_states (friend, occurrence, alert_day, name, "
                   "action, until) values (?, ?, ?, ?, ?, ?)");
  sqlite3_stmt* row = insert.get();
  if (row) {
    sqlite3_bind_int64(row, 1, state.friendRowid);
    sqlite3_bind_int64(row, 2, state.occurrence.days());
    sqlite3_bind_int64(row, 3, state.alertDay.days());
    sqlite3_bind_text(row, 4, Gb18030ToUtf8(state.name).c_str(), -1, SQLITE_TRANSIENT);
    sqlite3_bind_int(row, 5, static_cast<int>(state.action));
    sqlite3_bind_int64(row, 6, state.until);
  }
  if (!row || sqlite3_step(row) != SQLITE_DONE) return Fail("提醒记录无法保存：");
  return true;
}

bool AlertStateStore::Forget(DayNumber before) {
  if (!hasTable_) return false;
  Statement remove(connection_, "delete from alert_states where occurrence < ?");
  if (remove.get()) sqlite3_bind_int64(remove.get(), 1, before.days());
  if (!remove.get() || sqlite3_step(remove.get()) != SQLITE_DONE) return Fail("提醒记录无法保存：");
  return true;
}

bool AlertStateStore::Fail(const char* what) {
  errors_.ShowError(what + Utf8ToGb18030(connection_ ? sqlite3_errmsg(connection_)
                                                     : sqlite3_errstr(SQLITE_CANTOPEN)));
  return false;
}

}  // namespace memo
