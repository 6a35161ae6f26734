// The birthday table "生日" in the SQLite file config.mdb, read through one result set.
// Row n of the open result set is row n of the friend list: the set is a snapshot taken
// when it opens (a static cursor), rows added through it go to its end, and a deleted row
// makes the later ones move up. Behind each position the row is addressed by its rowid.
//
// Texts are GBK here and UTF-8 in the file; an empty text is stored as NULL and NULL reads
// as empty; the yes/no column holds 1 or 0. Every add, change and delete is stored in a
// transaction of its own when it is made. A failure to open or store is shown through the
// ErrorReporter and leaves the file as it was.
//
// One object serves one thread at a time; the program's single worker and its
// user-interface thread take turns.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "records/birthday_record.h"
#include "records/error_reporter.h"

struct sqlite3;

namespace memo {

inline constexpr char kDatabaseFileName[] = "config.mdb";

class BirthdayDatabase {
 public:
  explicit BirthdayDatabase(ErrorReporter& errors);
  ~BirthdayDatabase();
  BirthdayDatabase(const BirthdayDatabase&) = delete;
  BirthdayDatabase& operator=(const BirthdayDatabase&) = delete;

  // Connects to directory/config.mdb, creating a missing file with an empty table, then
  // opens the table in stored order at its first row. A file that is not a database is
  // never written to: the open fails and reports, and the result set stays closed.
  bool OpenBirthdayDatabase(const std::string& directory);

  // Opens "select * from TABLE order by CLAUSE" on the table "生日".
  bool OpenOrdered(const std::string& orderByClause);
  // Opens a whole table in stored order. Call MoveFirst before reading.
  bool OpenTable(const std::string& table);
  void Close();
  bool IsOpen() const { return open_; }

  int RowCount() const { return static_cast<int>(rows_.size()); }
  void MoveFirst();
  void MoveNext();
  // n rows forward from the first row; outside the rows the cursor is at the end.
  void MoveToPosition(int n);
  bool AtEnd() const { return !open_ || current_ >= rows_.size(); }

  // The table row behind a position, which stays the same friend while positions shift
  // (a re-sort, a deletion); 0 outside the rows and for a row not stored yet.
  int64_t RowIdAt(int position) const;
  // The position of that row in the open result set; -1 when it is not there.
  int PositionOfRowId(int64_t rowid) const;

  // Empty text or false when the set is closed, at its end, or has no such column.
  std::string ReadText(const std::string& column) const;
  bool ReadYesNo(const std::string& column) const;
  void WriteText(const std::string& column, const std::string& text);
  void WriteYesNo(const std::string& column, bool value);
  // All four columns of the current row, in the order a saved friend writes them.
  void WriteRecord(const BirthdayRecord& record);

  // Starts a new empty row at the end and makes it current. It is stored by Update or
  // when the cursor moves away from it.
  void AddRow();
  // Stores the changes of the current row. False (and reported) when that fails; the row
  // keeps its new values and is stored again with its next change.
  bool Update();
  // Deletes the current row from the table and the result set. When the table refuses,
  // the row stays in both and the failure is reported.
  bool DeleteRow();

 private:
  struct Row {
    int64_t rowid = 0;
    bool stored = false;  // false for an added row that is not in the table yet
    BirthdayRecord values;
  };

  bool Connect(const std::string& path);
  bool EnsureTable();
  bool Load(const std::string& commandUtf8, const std::string& table);
  bool OpenFailed();
  bool StoreRow(Row& row);
  bool WriteRow(Row& row);
  bool Execute(const std::string& sqlUtf8);
  void StoreIfChanged();
  Row* CurrentRow();
  void Report(const char* what);

  ErrorReporter& errors_;
  sqlite3* connection_ = nullptr;
  bool open_ = false;
  std::string lastError_;  // SQLite's reason for the last failure, GBK
  std::string table_;      // the table the open result set came from, GBK
  std::vector<Row> rows_;
  size_t current_ = 0;
  bool changed_ = false;  // the current row has values not yet stored
};

}  // namespace memo
