#include "records/friend_repository.h"

#include <sqlite3.h>

#include <string_view>

#include "records/alert_states.h"
#include "records/birthday_order.h"
#include "records/gbk_collation.h"
#include "records/load_order.h"
#include "text/file_operations.h"
#include "text/gbk_table.h"
#include "text/program_files.h"
#include "text/text_codec.h"

namespace memo {
namespace {

// How long a statement waits for another connection (the command-line tool, a second copy
// of the program) to let go of the file before it fails as busy: longer than any of our own
// transactions take, short enough that the user hears of a stuck one at once.
constexpr int kBusyTimeoutMs = 2000;

// A prepared statement that finalizes itself.
class Statement {
 public:
  Statement(sqlite3* connection, const std::string& sqlUtf8) {
    sqlite3_prepare_v2(connection, sqlUtf8.c_str(), static_cast<int>(sqlUtf8.size()), &statement_,
                       nullptr);
  }
  ~Statement() { sqlite3_finalize(statement_); }
  Statement(const Statement&) = delete;
  Statement& operator=(const Statement&) = delete;

  bool Prepared() const { return statement_ != nullptr; }
  sqlite3_stmt* get() const { return statement_; }
  int Step() { return sqlite3_step(statement_); }

  void BindText(int index, const std::string& gbk) {
    if (gbk.empty()) {
      sqlite3_bind_null(statement_, index);
    } else {
      sqlite3_bind_text(statement_, index, Gb18030ToUtf8(gbk).c_str(), -1, SQLITE_TRANSIENT);
    }
  }
  void BindInteger(int index, int64_t value) { sqlite3_bind_int64(statement_, index, value); }
  // The four columns in the order name, birthday, lunar, contact, as ?1 to ?4.
  void BindFriend(const Friend& person) {
    BindText(1, person.name);
    BindText(2, person.birthday.text);
    BindInteger(3, person.birthday.lunar() ? 1 : 0);
    BindText(4, person.contact);
  }

  std::string_view Utf8At(int column) const {
    const unsigned char* text = sqlite3_column_text(statement_, column);
    if (!text) return std::string_view();
    return std::string_view(reinterpret_cast<const char*>(text),
                            sqlite3_column_bytes(statement_, column));
  }
  // The text of a column as GBK, empty for a column the table lacks.
  void ReadText(int column, std::string& gbk) const {
    const std::string_view utf8 = column < 0 ? std::string_view() : Utf8At(column);
    if (!Utf8ToGbkByTable(utf8, gbk)) gbk = Utf8ToGb18030(std::string(utf8));
  }

 private:
  sqlite3_stmt* statement_ = nullptr;
};

std::string QuotedIdentifier(const std::string& gbk) {
  std::string quoted = "\"";
  for (char c : Gb18030ToUtf8(gbk)) {
    quoted += c;
    if (c == '"') quoted += '"';
  }
  return quoted + "\"";
}

// The positions of the program's columns in a result whose column 0 is the rowid; -1 for
// a column the table lacks.
struct Columns {
  int name = -1, birthday = -1, lunar = -1, contact = -1;

  explicit Columns(sqlite3_stmt* statement) {
    for (int i = 1; i < sqlite3_column_count(statement); ++i) {
      const std::string column = Utf8ToGb18030(sqlite3_column_name(statement, i));
      int* slot = column == kNameColumn       ? &name
                  : column == kBirthdayColumn ? &birthday
                  : column == kLunarColumn    ? &lunar
                  : column == kContactColumn  ? &contact
                                              : nullptr;
      if (slot && *slot < 0) *slot = i;
    }
  }
};

// What a sort code orders by: a column's values in a direction, or the birthday's numbers,
// whose keys hold the direction; neither for the stored order.
struct Ordering {
  const char* column = nullptr;
  int Columns::*position = nullptr;
  bool descending = false;
  bool byBirthday = false;
};

Ordering OrderingOf(SortCode order) {
  switch (order) {
    case SortCode::kNameAscending:
      return {kNameColumn, &Columns::name, false};
    case SortCode::kNameDescending:
      return {kNameColumn, &Columns::name, true};
    case SortCode::kBirthdayAscending:
    case SortCode::kBirthdayDescending:
    case SortCode::kAgeAscending:
    case SortCode::kAgeDescending:
      return {nullptr, nullptr, false, true};
    case SortCode::kCalendar:
      return {kLunarColumn, &Columns::lunar, false};
    case SortCode::kStored:
      break;
  }
  return {};
}

}  // namespace

FriendRepository::FriendRepository(ErrorReporter& errors) : errors_(errors) {}

FriendRepository::~FriendRepository() {
  sqlite3_close_v2(connection_);
}

bool FriendRepository::Open(const std::string& directory) {
  open_ = false;
  // Opening creates a missing file but never truncates an existing one, and a file that
  // is not writable opens read-only.
  if (Connect(ProgramFilePath(directory, kDatabaseFileName),
              SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE)) {
    // A file that is not writable keeps no alert states; its friends still load.
    if (EnsureTable()) CreateAlertStateTable(connection_);
  }
  return CheckReadable();
}

// Reading the first row tells whether the table can be read at all.
bool FriendRepository::CheckReadable() {
  if (!connection_) {
    ReadFailed();
    return false;
  }
  Statement first(connection_, "select * from " + QuotedIdentifier(kBirthdayTable) + " limit 1");
  const int result = first.Prepared() ? first.Step() : SQLITE_ERROR;
  if (result != SQLITE_ROW && result != SQLITE_DONE) {
    ReadFailed();
    return false;
  }
  open_ = true;
  return true;
}

// Failures here are not reported: the open that follows reports them with the reason.
bool FriendRepository::Connect(const std::string& path, int flags) {
  sqlite3_close_v2(connection_);
  connection_ = nullptr;
  // One thread at a time uses the connection, so SQLite need not lock it at every call.
  int result = sqlite3_open_v2(Gb18030ToUtf8(path).c_str(), &connection_,
                               flags | SQLITE_OPEN_NOMUTEX, nullptr);
  if (result != SQLITE_OK || !RegisterGbkCollation(connection_)) {
    lastError_ = Utf8ToGb18030(connection_ ? sqlite3_errmsg(connection_) : sqlite3_errstr(result));
    sqlite3_close_v2(connection_);
    connection_ = nullptr;
    return false;
  }
  sqlite3_busy_timeout(connection_, kBusyTimeoutMs);
  return true;
}

// Creates the table in a new (empty) database. Reading the schema of a file that is not
// a database fails before anything is written, so such a file is left alone.
bool FriendRepository::EnsureTable() {
  {
    Statement lookup(connection_,
                     "select count(*) from sqlite_master where type = 'table' and name = ?");
    if (!lookup.Prepared()) return false;
    lookup.BindText(1, kBirthdayTable);
    if (lookup.Step() != SQLITE_ROW) return false;
    if (sqlite3_column_int(lookup.get(), 0) > 0) return true;
  }  // the schema read ends before the table is made
  const std::string text = std::string(" text collate ") + kGbkCollation;
  return Execute("create table " + QuotedIdentifier(kBirthdayTable) + " (" +
                 QuotedIdentifier(kNameColumn) + text + ", " + QuotedIdentifier(kBirthdayColumn) +
                 text + ", " + QuotedIdentifier(kLunarColumn) + " integer not null default 0, " +
                 QuotedIdentifier(kContactColumn) + text + ")");
}

bool FriendRepository::Load(SortCode order, std::vector<Friend>& friends, const TodayDates& today) {
  friends.clear();
  if (!open_) {
    ReadFailed();
    return false;
  }
  bool keyed = true;
  if (!Read(order, today, false, friends, keyed)) return false;
  // Values that only SQLite orders: the table sorts itself, at the collation's cost.
  return keyed || Read(order, today, true, friends, keyed);
}

// Reads every row, in stored order sorted by keys, or (inSql) in the order SQLite gives.
bool FriendRepository::Read(SortCode order, const TodayDates& today, bool inSql,
                            std::vector<Friend>& friends, bool& keyed) {
  friends.clear();
  const Ordering ordering = OrderingOf(order);
  std::string command = "select rowid, * from " + QuotedIdentifier(kBirthdayTable) + " order by ";
  if (inSql && ordering.column) {
    command += QuotedIdentifier(ordering.column) + (ordering.descending ? " desc" : " asc") + ", ";
  }
  Statement select(connection_, command + "rowid");
  if (!select.Prepared()) {
    ReadFailed();
    return false;
  }
  const Columns columns(select.get());
  const bool sortHere = (ordering.column || ordering.byBirthday) && !inSql;
  const int sortAt = sortHere && ordering.column ? columns.*ordering.position : -1;
  SortKeys keys(sortHere ? friends.capacity() : 0);
  std::string birthdayText;
  int result;
  while ((result = select.Step()) == SQLITE_ROW) {
    Friend& person = friends.emplace_back();
    person.rowid = sqlite3_column_int64(select.get(), 0);
    select.ReadText(columns.name, person.name);
    const bool lunar = columns.lunar >= 0 && sqlite3_column_int64(select.get(), columns.lunar) != 0;
    select.ReadText(columns.birthday, birthdayText);
    person.birthday = ReadBirthday(std::move(birthdayText), lunar);
    select.ReadText(columns.contact, person.contact);
    if (ordering.byBirthday) {
      keys.AddNumber(BirthdaySortKey(person.birthday, order, today));
    } else if (sortHere && keyed) {
      keyed = keys.Add(select.get(), sortAt);
    }
  }
  if (result != SQLITE_DONE) {
    friends.clear();
    ReadFailed();
    return false;
  }
  if (sortHere && keyed) Reorder(friends, keys.Order(ordering.descending));
  return true;
}

int64_t FriendRepository::Insert(const Friend& person) {
  return Store(person, false);
}

int64_t FriendRepository::Update(const Friend& person) {
  return Store(person, true);
}

std::string FriendRepository::InsertCommand(bool atRowid) {
  return "insert into " + QuotedIdentifier(kBirthdayTable) + " (" + (atRowid ? "rowid, " : "") +
         QuotedIdentifier(kNameColumn) + ", " + QuotedIdentifier(kBirthdayColumn) + ", " +
         QuotedIdentifier(kLunarColumn) + ", " + QuotedIdentifier(kContactColumn) + ") values (" +
         (atRowid ? "?5, " : "") + "?1, ?2, ?3, ?4)";
}

int64_t FriendRepository::Store(const Friend& person, bool update) {
  int64_t rowid = 0;
  auto write = [&] {
    if (update) {
      Statement change(connection_, "update " + QuotedIdentifier(kBirthdayTable) + " set " +
                                        QuotedIdentifier(kNameColumn) + " = ?1, " +
                                        QuotedIdentifier(kBirthdayColumn) + " = ?2, " +
                                        QuotedIdentifier(kLunarColumn) + " = ?3, " +
                                        QuotedIdentifier(kContactColumn) +
                                        " = ?4 where rowid = ?5");
      if (!change.Prepared()) return false;
      change.BindFriend(person);
      change.BindInteger(5, person.rowid);
      if (change.Step() != SQLITE_DONE) return false;
      rowid = person.rowid;
      if (sqlite3_changes(connection_) > 0) return true;
    }
    Statement insert(connection_, InsertCommand());
    if (!insert.Prepared()) return false;
    insert.BindFriend(person);
    if (insert.Step() != SQLITE_DONE) return false;
    rowid = sqlite3_last_insert_rowid(connection_);
    return true;
  };
  return InTransaction(write, "无法保存好友生日：") ? rowid : 0;
}

bool FriendRepository::Delete(int64_t rowid) {
  return InTransaction(
      [&] {
        Statement remove(connection_,
                         "delete from " + QuotedIdentifier(kBirthdayTable) + " where rowid = ?1");
        if (!remove.Prepared()) return false;
        remove.BindInteger(1, rowid);
        return remove.Step() == SQLITE_DONE;
      },
      "无法删除好友生日：");
}

int64_t FriendRepository::Restore(const Friend& person) {
  int64_t rowid = 0;
  auto write = [&] {
    Statement taken(connection_,
                    "select 1 from " + QuotedIdentifier(kBirthdayTable) + " where rowid = ?1");
    if (!taken.Prepared()) return false;
    taken.BindInteger(1, person.rowid);
    const int found = taken.Step();
    if (found != SQLITE_ROW && found != SQLITE_DONE) return false;
    const bool atRowid = person.rowid > 0 && found == SQLITE_DONE;
    Statement insert(connection_, InsertCommand(atRowid));
    if (!insert.Prepared()) return false;
    insert.BindFriend(person);
    if (atRowid) insert.BindInteger(5, person.rowid);
    if (insert.Step() != SQLITE_DONE) return false;
    rowid = sqlite3_last_insert_rowid(connection_);
    return true;
  };
  return InTransaction(write, "无法恢复好友生日：") ? rowid : 0;
}

bool FriendRepository::InsertChosen(const Chooser& choose) {
  return InTransaction(
      [&] {
        std::vector<Friend> stored;
        bool keyed = true;
        if (!Read(SortCode::kStored, TodayNow(), false, stored, keyed)) return false;
        const std::vector<Friend> friends = choose(stored);
        Statement insert(connection_, InsertCommand());
        if (!insert.Prepared()) return false;
        for (const Friend& person : friends) {
          insert.BindFriend(person);
          if (insert.Step() != SQLITE_DONE) return false;
          sqlite3_reset(insert.get());
        }
        return true;
      },
      "无法导入好友生日：");
}

bool FriendRepository::ReplaceAll(const std::vector<Friend>& friends) {
  return InTransaction(
      [&] {
        if (!Execute("delete from " + QuotedIdentifier(kBirthdayTable))) return false;
        Statement insert(connection_, InsertCommand(true));
        if (!insert.Prepared()) return false;
        for (const Friend& person : friends) {
          insert.BindFriend(person);
          insert.BindInteger(5, person.rowid);
          if (insert.Step() != SQLITE_DONE) return false;
          sqlite3_reset(insert.get());
        }
        return true;
      },
      "无法恢复备份：");
}

bool FriendRepository::InTransaction(const std::function<bool()>& work, const char* what) {
  if (!open_) {
    Fail(what);
    return false;
  }
  if (!Execute("begin immediate") || !work() || !Execute("commit")) {
    // The reason is taken before the rollback, which would replace it.
    lastError_ = Utf8ToGb18030(sqlite3_errmsg(connection_));
    Execute("rollback");
    Fail(what);
    return false;
  }
  return true;
}

bool FriendRepository::BackupTo(const std::string& path) {
  constexpr char kWhat[] = "无法备份好友生日：";
  if (!open_) {
    Fail(kWhat);
    return false;
  }
  if (IsSameFile(path, Utf8ToGb18030(sqlite3_db_filename(connection_, "main")))) {
    lastError_ = "不能备份到数据库文件本身";
    Fail(kWhat);
    return false;
  }
  // The copy is made beside the target and takes its place once it is whole, so that a
  // failure never leaves half a copy, and any file the user chose to replace goes only then.
  const std::string partial = path + kPartialSuffix;
  sqlite3* copy = nullptr;
  int result = sqlite3_open_v2(Gb18030ToUtf8(partial).c_str(), &copy,
                               SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
  if (result == SQLITE_OK) {
    sqlite3_backup* backup = sqlite3_backup_init(copy, "main", connection_, "main");
    result = backup ? sqlite3_backup_step(backup, -1) : sqlite3_errcode(copy);
    if (backup) sqlite3_backup_finish(backup);
  }
  if (result != SQLITE_DONE) {
    lastError_ = Utf8ToGb18030(copy ? sqlite3_errmsg(copy) : sqlite3_errstr(result));
  }
  sqlite3_close_v2(copy);
  if (result == SQLITE_DONE) {
    if (ReplaceFileWith(partial, path)) return true;
    lastError_ = "所选的文件无法替换";
  }
  RemoveFile(partial);
  Fail(kWhat);
  return false;
}

bool FriendRepository::Execute(const std::string& sqlUtf8) {
  return sqlite3_exec(connection_, sqlUtf8.c_str(), nullptr, nullptr, nullptr) == SQLITE_OK;
}

// Without a connection the reason is the one the connect step kept.
void FriendRepository::ReadFailed() {
  if (connection_) lastError_ = Utf8ToGb18030(sqlite3_errmsg(connection_));
  Fail("无法打开生日表：");
}

void FriendRepository::Fail(const char* what) {
  errors_.ShowError(what + (lastError_.empty() ? std::string("生日表没有打开") : lastError_));
}

}  // namespace memo
