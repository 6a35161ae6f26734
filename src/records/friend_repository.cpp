#include "records/friend_repository.h"

#include <sqlite3.h>

#include <algorithm>
#include <cstring>
#include <numeric>
#include <string_view>

#include "records/gbk_collation.h"
#include "records/program_files.h"
#include "text/gbk_table.h"
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
  int Step() { return sqlite3_step(statement_); }

  void BindText(int index, const std::string& gbk) {
    if (gbk.empty()) {
      sqlite3_bind_null(statement_, index);
    } else {
      sqlite3_bind_text(statement_, index, GbkToUtf8(gbk).c_str(), -1, SQLITE_TRANSIENT);
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
  void ReadGbk(int column, std::string& gbk) const {
    const std::string_view utf8 = column < 0 ? std::string_view() : Utf8At(column);
    if (!Utf8ToGbkByTable(utf8, gbk)) gbk = Utf8ToGbk(std::string(utf8));
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

// The positions of the program's columns in a result whose column 0 is the rowid; -1 for
// a column the table lacks.
struct Columns {
  int name = -1, birthday = -1, lunar = -1, contact = -1;

  explicit Columns(sqlite3_stmt* statement) {
    for (int i = 1; i < sqlite3_column_count(statement); ++i) {
      const std::string column = Utf8ToGbk(sqlite3_column_name(statement, i));
      int* slot = column == kNameColumn       ? &name
                  : column == kBirthdayColumn ? &birthday
                  : column == kLunarColumn    ? &lunar
                  : column == kContactColumn  ? &contact
                                              : nullptr;
      if (slot && *slot < 0) *slot = i;
    }
  }
};

// The column a sort code orders by, and its direction; no column for the stored order. The
// age orders are the birthday orders: text order of the stored dates.
struct Ordering {
  const char* column = nullptr;
  int Columns::*position = nullptr;
  bool descending = false;
};

Ordering OrderingOf(SortCode order) {
  switch (order) {
    case SortCode::kNameAscending:
      return {kNameColumn, &Columns::name, false};
    case SortCode::kNameDescending:
      return {kNameColumn, &Columns::name, true};
    case SortCode::kBirthdayAscending:
    case SortCode::kAgeAscending:
      return {kBirthdayColumn, &Columns::birthday, false};
    case SortCode::kBirthdayDescending:
    case SortCode::kAgeDescending:
      return {kBirthdayColumn, &Columns::birthday, true};
    case SortCode::kCalendar:
      return {kLunarColumn, &Columns::lunar, false};
    case SortCode::kStored:
      break;
  }
  return {};
}

// The sort keys of a load, one after another in one buffer, each with its first sixteen
// bytes as two numbers so that nearly every comparison is one of numbers.
class SortKeys {
 public:
  explicit SortKeys(size_t expectedRows) {
    keys_.reserve(expectedRows);
    bytes_.reserve(expectedRows * 16);
  }

  // Appends the key of the sorted column's value in this row, whose byte order is SQLite's
  // order of the values as the table declares the column: NULL first, the text columns in
  // the GBK collation, the yes/no column by number. False for a value that only SQLite
  // itself orders (a text that is not well-formed UTF-8, a yes/no value that is no integer).
  bool Add(const Statement& row, int column) {
    const size_t start = bytes_.size();
    const int type = column < 0 ? SQLITE_NULL : sqlite3_column_type(row.get(), column);
    if (type == SQLITE_INTEGER) {
      // Big-endian with the sign bit flipped: byte order is number order.
      const uint64_t value =
          static_cast<uint64_t>(sqlite3_column_int64(row.get(), column)) ^ (uint64_t{1} << 63);
      bytes_ += '\x01';
      for (int shift = 56; shift >= 0; shift -= 8) bytes_ += static_cast<char>(value >> shift);
    } else if (type == SQLITE_TEXT) {
      bytes_ += '\x02';
      if (!AppendGbkSortKey(row.Utf8At(column), bytes_)) return false;
    } else if (type != SQLITE_NULL) {
      return false;
    }
    const size_t length = bytes_.size() - start;
    unsigned char first[16] = {};
    std::memcpy(first, bytes_.data() + start, std::min<size_t>(length, sizeof first));
    Key key{0, 0, static_cast<uint32_t>(keys_.size()), static_cast<uint32_t>(start),
            static_cast<uint32_t>(length)};
    for (size_t i = 0; i < 8; ++i) {
      key.high = key.high << 8 | first[i];
      key.low = key.low << 8 | first[8 + i];
    }
    keys_.push_back(key);
    return true;
  }

  // The rows' order by their keys, the stored order kept among equal keys as SQLite's
  // sorter keeps it: a stable radix sort by the first eight bytes, then the few rows that
  // share those sorted by the rest of their keys.
  std::vector<uint32_t> Order(bool descending) const {
    struct Entry {
      uint64_t high;  // inverted for a descending order
      uint32_t row;
    };
    std::vector<Entry> entries, spare(keys_.size());
    entries.reserve(keys_.size());
    for (const Key& key : keys_) entries.push_back({descending ? ~key.high : key.high, key.row});
    for (int shift = 0; shift < 64; shift += 8) {
      size_t starts[257] = {};
      for (const Entry& entry : entries) ++starts[(entry.high >> shift & 0xFF) + 1];
      if (*std::max_element(starts, starts + 257) == entries.size()) continue;  // one digit
      std::partial_sum(starts, starts + 257, starts);
      for (const Entry& entry : entries) spare[starts[entry.high >> shift & 0xFF]++] = entry;
      entries.swap(spare);
    }
    for (auto run = entries.begin(); run != entries.end();) {
      const auto end = std::find_if(run, entries.end(),
                                    [&](const Entry& entry) { return entry.high != run->high; });
      std::stable_sort(run, end, [&](const Entry& a, const Entry& b) {
        const int order = CompareRest(keys_[a.row], keys_[b.row]);
        return descending ? order > 0 : order < 0;
      });
      run = end;
    }
    std::vector<uint32_t> order;
    order.reserve(entries.size());
    for (const Entry& entry : entries) order.push_back(entry.row);
    return order;
  }

 private:
  struct Key {
    uint64_t high, low;  // the first sixteen bytes, big-endian, zeros past the end
    uint32_t row;
    uint32_t start, length;  // in bytes_
  };

  // The order of two keys whose first eight bytes are equal.
  int CompareRest(const Key& a, const Key& b) const {
    if (a.low != b.low) return a.low < b.low ? -1 : 1;
    if (a.length <= 16 && b.length <= 16) return a.length < b.length ? -1 : a.length > b.length;
    const std::string_view bytes(bytes_);
    return bytes.substr(a.start, a.length).compare(bytes.substr(b.start, b.length));
  }

  std::string bytes_;
  std::vector<Key> keys_;
};

// Puts friends[order[i]] at i, in place, following each cycle of the permutation once. The
// friend to move next is asked of memory while this one moves: the moves jump about a large
// vector, and waiting for each in turn costs more than the moves themselves.
void Reorder(std::vector<Friend>& friends, std::vector<uint32_t> order) {
  const auto prefetch = [&friends](size_t at) {
    const char* bytes = reinterpret_cast<const char*>(&friends[at]);
    for (size_t line = 0; line < sizeof(Friend); line += 64) __builtin_prefetch(bytes + line);
  };
  for (size_t start = 0; start < order.size(); ++start) {
    if (order[start] == start) continue;
    Friend first = std::move(friends[start]);
    size_t at = start;
    while (order[at] != start) {
      const size_t from = order[at];
      prefetch(order[from]);
      friends[at] = std::move(friends[from]);
      order[at] = static_cast<uint32_t>(at);
      at = from;
    }
    friends[at] = std::move(first);
    order[at] = static_cast<uint32_t>(at);
  }
}

}  // namespace

FriendRepository::FriendRepository(ErrorReporter& errors) : errors_(errors) {}

FriendRepository::~FriendRepository() {
  sqlite3_close_v2(connection_);
}

bool FriendRepository::Open(const std::string& directory) {
  open_ = false;
  if (Connect(ProgramFilePath(directory, kDatabaseFileName))) EnsureTable();
  if (!connection_) {
    ReadFailed();
    return false;
  }
  // Reading the first row tells whether the table can be read at all.
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
bool FriendRepository::Connect(const std::string& path) {
  sqlite3_close_v2(connection_);
  connection_ = nullptr;
  // Opening creates a missing file but never truncates an existing one, and a file that
  // is not writable opens read-only. One thread at a time uses the connection, so SQLite
  // need not lock it at every call.
  int result =
      sqlite3_open_v2(GbkToUtf8(path).c_str(), &connection_,
                      SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX, nullptr);
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

bool FriendRepository::Load(SortCode order, std::vector<Friend>& friends) {
  friends.clear();
  if (!open_) {
    ReadFailed();
    return false;
  }
  bool keyed = true;
  if (!Read(order, false, friends, keyed)) return false;
  // Values that only SQLite orders: the table sorts itself, at the collation's cost.
  return keyed || Read(order, true, friends, keyed);
}

// Reads every row, in stored order sorted by keys, or (inSql) in the order SQLite gives.
bool FriendRepository::Read(SortCode order, bool inSql, std::vector<Friend>& friends, bool& keyed) {
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
  const bool sortHere = ordering.column && !inSql;
  const int sortAt = sortHere ? columns.*ordering.position : -1;
  SortKeys keys(sortHere ? friends.capacity() : 0);
  std::string birthdayText;
  int result;
  while ((result = select.Step()) == SQLITE_ROW) {
    Friend& person = friends.emplace_back();
    person.rowid = sqlite3_column_int64(select.get(), 0);
    select.ReadGbk(columns.name, person.name);
    const bool lunar = columns.lunar >= 0 && sqlite3_column_int64(select.get(), columns.lunar) != 0;
    select.ReadGbk(columns.birthday, birthdayText);
    person.birthday = ReadBirthday(std::move(birthdayText), lunar);
    select.ReadGbk(columns.contact, person.contact);
    if (sortHere && keyed) keyed = keys.Add(select, sortAt);
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

int64_t FriendRepository::Store(const Friend& person, bool update) {
  if (!open_) {
    Fail("无法保存好友生日：");
    return 0;
  }
  const std::string table = QuotedIdentifier(kBirthdayTable);
  const std::string columns[] = {QuotedIdentifier(kNameColumn), QuotedIdentifier(kBirthdayColumn),
                                 QuotedIdentifier(kLunarColumn), QuotedIdentifier(kContactColumn)};
  int64_t rowid = 0;
  auto write = [&] {
    if (update) {
      Statement change(connection_, "update " + table + " set " + columns[0] + " = ?1, " +
                                        columns[1] + " = ?2, " + columns[2] + " = ?3, " +
                                        columns[3] + " = ?4 where rowid = ?5");
      if (!change.Prepared()) return false;
      change.BindFriend(person);
      change.BindInteger(5, person.rowid);
      if (change.Step() != SQLITE_DONE) return false;
      rowid = person.rowid;
      if (sqlite3_changes(connection_) > 0) return true;
    }
    Statement insert(connection_, "insert into " + table + " (" + columns[0] + ", " + columns[1] +
                                      ", " + columns[2] + ", " + columns[3] +
                                      ") values (?1, ?2, ?3, ?4)");
    if (!insert.Prepared()) return false;
    insert.BindFriend(person);
    if (insert.Step() != SQLITE_DONE) return false;
    rowid = sqlite3_last_insert_rowid(connection_);
    return true;
  };
  if (!Execute("begin immediate") || !write() || !Execute("commit")) {
    // The reason is taken before the rollback, which would replace it.
    lastError_ = Utf8ToGbk(sqlite3_errmsg(connection_));
    Execute("rollback");
    Fail("无法保存好友生日：");
    return 0;
  }
  return rowid;
}

bool FriendRepository::Delete(int64_t rowid) {
  if (!open_) {
    Fail("无法删除好友生日：");
    return false;
  }
  bool ok = Execute("begin immediate");
  if (ok) {
    Statement remove(connection_,
                     "delete from " + QuotedIdentifier(kBirthdayTable) + " where rowid = ?1");
    ok = remove.Prepared();
    if (ok) remove.BindInteger(1, rowid);
    ok = ok && remove.Step() == SQLITE_DONE;
  }
  if (!ok || !Execute("commit")) {
    lastError_ = Utf8ToGbk(sqlite3_errmsg(connection_));
    Execute("rollback");
    Fail("无法删除好友生日：");
    return false;
  }
  return true;
}

bool FriendRepository::Execute(const std::string& sqlUtf8) {
  return sqlite3_exec(connection_, sqlUtf8.c_str(), nullptr, nullptr, nullptr) == SQLITE_OK;
}

// Without a connection the reason is the one the connect step kept.
void FriendRepository::ReadFailed() {
  if (connection_) lastError_ = Utf8ToGbk(sqlite3_errmsg(connection_));
  Fail("无法打开生日表：");
}

void FriendRepository::Fail(const char* what) {
  errors_.ShowError(what + (lastError_.empty() ? std::string("生日表没有打开") : lastError_));
}

}  // namespace memo
