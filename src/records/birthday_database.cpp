#include "records/birthday_database.h"

#include <sqlite3.h>

#include "records/gbk_collation.h"
#include "records/program_files.h"
#include "text/text_codec.h"

namespace memo {
namespace {

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

  void BindText(int index, const std::string& gbk) {
    if (gbk.empty()) {
      sqlite3_bind_null(statement_, index);
    } else {
      sqlite3_bind_text(statement_, index, GbkToUtf8(gbk).c_str(), -1, SQLITE_TRANSIENT);
    }
  }
  void BindInteger(int index, int64_t value) { sqlite3_bind_int64(statement_, index, value); }
  // The four columns in the order name, birthday, lunar, contact, as ?1 to ?4.
  void BindRecord(const BirthdayRecord& record) {
    BindText(1, record.name);
    BindText(2, record.birthday);
    BindInteger(3, record.lunar ? 1 : 0);
    BindText(4, record.contact);
  }
  int Step() { return sqlite3_step(statement_); }

  std::string TextAt(int column) const {
    const unsigned char* text = sqlite3_column_text(statement_, column);
    if (!text) return std::string();
    return Utf8ToGbk(
        std::string(reinterpret_cast<const char*>(text), sqlite3_column_bytes(statement_, column)));
  }

 private:
  sqlite3_stmt* statement_ = nullptr;
};

std::string QuotedIdentifier(const std::string& gbk) {
  std::string quoted = "\"";
  for (char c : GbkToUtf8(gbk)) {
    quoted += c;
    if (c == '"') quoted += '"';
  }
  return quoted + "\"";
}

template <typename Record>
auto TextField(Record& record, const std::string& column) -> decltype(&record.name) {
  if (column == kNameColumn) return &record.name;
  if (column == kBirthdayColumn) return &record.birthday;
  if (column == kContactColumn) return &record.contact;
  return nullptr;
}

}  // namespace

BirthdayDatabase::BirthdayDatabase(ErrorReporter& errors) : errors_(errors) {}

BirthdayDatabase::~BirthdayDatabase() {
  Close();
  sqlite3_close_v2(connection_);
}

bool BirthdayDatabase::OpenBirthdayDatabase(const std::string& directory) {
  if (Connect(ProgramFilePath(directory, kDatabaseFileName))) EnsureTable();
  if (!OpenTable(kBirthdayTable)) return false;
  MoveFirst();
  return true;
}

// Failures here are not reported: the open that follows reports them with the reason.
bool BirthdayDatabase::Connect(const std::string& path) {
  Close();
  sqlite3_close_v2(connection_);
  connection_ = nullptr;
  // Opening creates a missing file but never truncates an existing one, and a file that
  // is not writable opens read-only.
  int result = sqlite3_open_v2(GbkToUtf8(path).c_str(), &connection_,
                               SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
  if (result != SQLITE_OK || !RegisterGbkCollation(connection_)) {
    lastError_ = Utf8ToGbk(connection_ ? sqlite3_errmsg(connection_) : sqlite3_errstr(result));
    sqlite3_close_v2(connection_);
    connection_ = nullptr;
    return false;
  }
  sqlite3_busy_timeout(connection_, kBusyTimeoutMs);
  return true;
}

// Creates the table in a new (empty) database. Reading the schema of a file that is not
// a database fails before anything is written, so such a file is left alone.
bool BirthdayDatabase::EnsureTable() {
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

bool BirthdayDatabase::OpenOrdered(const std::string& orderByClause) {
  // The rowid comes first so that every position knows its row.
  return Load(
      "select rowid, * from " + GbkToUtf8(kBirthdayTable) + " order by " + GbkToUtf8(orderByClause),
      kBirthdayTable);
}

bool BirthdayDatabase::OpenTable(const std::string& table) {
  return Load("select rowid, * from " + QuotedIdentifier(table) + " order by rowid", table);
}

bool BirthdayDatabase::Load(const std::string& commandUtf8, const std::string& table) {
  Close();
  if (!connection_) return OpenFailed();
  Statement select(connection_, commandUtf8);
  if (!select.Prepared()) return OpenFailed();
  int nameAt = -1, birthdayAt = -1, lunarAt = -1, contactAt = -1;
  for (int i = 1; i < sqlite3_column_count(select.get()); ++i) {
    const std::string name = Utf8ToGbk(sqlite3_column_name(select.get(), i));
    int* slot = name == kNameColumn       ? &nameAt
                : name == kBirthdayColumn ? &birthdayAt
                : name == kLunarColumn    ? &lunarAt
                : name == kContactColumn  ? &contactAt
                                          : nullptr;
    if (slot && *slot < 0) *slot = i;
  }
  std::vector<Row> rows;
  int result;
  while ((result = select.Step()) == SQLITE_ROW) {
    Row row;
    row.rowid = sqlite3_column_int64(select.get(), 0);
    row.stored = true;
    if (nameAt >= 0) row.values.name = select.TextAt(nameAt);
    if (birthdayAt >= 0) row.values.birthday = select.TextAt(birthdayAt);
    if (lunarAt >= 0) row.values.lunar = sqlite3_column_int64(select.get(), lunarAt) != 0;
    if (contactAt >= 0) row.values.contact = select.TextAt(contactAt);
    rows.push_back(std::move(row));
  }
  if (result != SQLITE_DONE) return OpenFailed();
  rows_ = std::move(rows);
  table_ = table;
  open_ = true;
  current_ = 0;
  return true;
}

// Without a connection the reason is the one the connect step kept.
bool BirthdayDatabase::OpenFailed() {
  if (connection_) lastError_ = Utf8ToGbk(sqlite3_errmsg(connection_));
  Report("无法打开生日表：");
  return false;
}

void BirthdayDatabase::Close() {
  StoreIfChanged();
  rows_.clear();
  open_ = false;
  current_ = 0;
}

void BirthdayDatabase::MoveFirst() {
  StoreIfChanged();
  current_ = 0;
}

void BirthdayDatabase::MoveNext() {
  StoreIfChanged();
  if (current_ < rows_.size()) ++current_;
}

void BirthdayDatabase::MoveToPosition(int n) {
  StoreIfChanged();
  current_ = n < 0 || static_cast<size_t>(n) >= rows_.size() ? rows_.size() : n;
}

int64_t BirthdayDatabase::RowIdAt(int position) const {
  if (!open_ || position < 0 || static_cast<size_t>(position) >= rows_.size()) return 0;
  const Row& row = rows_[position];
  return row.stored ? row.rowid : 0;
}

int BirthdayDatabase::PositionOfRowId(int64_t rowid) const {
  if (!open_ || rowid == 0) return -1;
  for (size_t i = 0; i < rows_.size(); ++i) {
    if (rows_[i].stored && rows_[i].rowid == rowid) return static_cast<int>(i);
  }
  return -1;
}

std::string BirthdayDatabase::ReadText(const std::string& column) const {
  if (AtEnd()) return std::string();
  const std::string* field = TextField(rows_[current_].values, column);
  return field ? *field : std::string();
}

bool BirthdayDatabase::ReadYesNo(const std::string& column) const {
  return !AtEnd() && column == kLunarColumn && rows_[current_].values.lunar;
}

void BirthdayDatabase::WriteText(const std::string& column, const std::string& text) {
  if (AtEnd()) return;
  std::string* field = TextField(rows_[current_].values, column);
  if (!field) return;
  *field = text;
  changed_ = true;
}

void BirthdayDatabase::WriteRecord(const BirthdayRecord& record) {
  WriteText(kNameColumn, record.name);
  WriteYesNo(kLunarColumn, record.lunar);
  WriteText(kBirthdayColumn, record.birthday);
  WriteText(kContactColumn, record.contact);
}

void BirthdayDatabase::WriteYesNo(const std::string& column, bool value) {
  if (AtEnd() || column != kLunarColumn) return;
  rows_[current_].values.lunar = value;
  changed_ = true;
}

void BirthdayDatabase::AddRow() {
  StoreIfChanged();
  if (!open_) {
    // Nowhere to put the row: say so instead of dropping the friend unseen.
    Report("无法保存好友生日：");
    return;
  }
  rows_.emplace_back();
  current_ = rows_.size() - 1;
  changed_ = true;
}

bool BirthdayDatabase::Update() {
  if (AtEnd()) return false;
  changed_ = false;
  return StoreRow(rows_[current_]);
}

void BirthdayDatabase::StoreIfChanged() {
  if (changed_ && !AtEnd()) StoreRow(rows_[current_]);
  changed_ = false;
}

bool BirthdayDatabase::StoreRow(Row& row) {
  if (!Execute("begin immediate") || !WriteRow(row) || !Execute("commit")) {
    // The reason is taken before the rollback, which would replace it.
    lastError_ = Utf8ToGbk(sqlite3_errmsg(connection_));
    Execute("rollback");
    Report("无法保存好友生日：");
    return false;
  }
  return true;
}

bool BirthdayDatabase::WriteRow(Row& row) {
  const std::string table = QuotedIdentifier(table_);
  const std::string columns[] = {QuotedIdentifier(kNameColumn), QuotedIdentifier(kBirthdayColumn),
                                 QuotedIdentifier(kLunarColumn), QuotedIdentifier(kContactColumn)};
  if (row.stored) {
    Statement update(connection_, "update " + table + " set " + columns[0] + " = ?1, " +
                                      columns[1] + " = ?2, " + columns[2] + " = ?3, " + columns[3] +
                                      " = ?4 where rowid = ?5");
    if (!update.Prepared()) return false;
    update.BindRecord(row.values);
    update.BindInteger(5, row.rowid);
    if (update.Step() != SQLITE_DONE) return false;
    // A row that someone else removed meanwhile is written anew rather than lost.
    if (sqlite3_changes(connection_) > 0) return true;
  }
  Statement insert(connection_, "insert into " + table + " (" + columns[0] + ", " + columns[1] +
                                    ", " + columns[2] + ", " + columns[3] +
                                    ") values (?1, ?2, ?3, ?4)");
  if (!insert.Prepared()) return false;
  insert.BindRecord(row.values);
  if (insert.Step() != SQLITE_DONE) return false;
  row.rowid = sqlite3_last_insert_rowid(connection_);
  row.stored = true;
  return true;
}

bool BirthdayDatabase::DeleteRow() {
  if (AtEnd()) return false;
  changed_ = false;
  const Row& row = rows_[current_];
  if (row.stored) {
    bool ok = Execute("begin immediate");
    if (ok) {
      Statement remove(connection_,
                       "delete from " + QuotedIdentifier(table_) + " where rowid = ?1");
      ok = remove.Prepared();
      if (ok) remove.BindInteger(1, row.rowid);
      ok = ok && remove.Step() == SQLITE_DONE;
    }
    if (!ok || !Execute("commit")) {
      lastError_ = Utf8ToGbk(sqlite3_errmsg(connection_));
      Execute("rollback");
      Report("无法删除好友生日：");
      return false;
    }
  }
  rows_.erase(rows_.begin() + current_);
  return true;
}

bool BirthdayDatabase::Execute(const std::string& sqlUtf8) {
  return sqlite3_exec(connection_, sqlUtf8.c_str(), nullptr, nullptr, nullptr) == SQLITE_OK;
}

void BirthdayDatabase::Report(const char* what) {
  errors_.ShowError(what + (lastError_.empty() ? std::string("生日表没有打开") : lastError_));
}

}  // namespace memo
