// The birthday table "生日" in the SQLite file config.mdb, friend by friend: load all in an
// order, insert, update and delete by rowid.
//
// Texts are GBK here and UTF-8 in the file; an empty text is stored as NULL and NULL reads
// as empty; the yes/no column holds 1 or 0. Columns other than the program's are left
// alone. A friend's 称呼, 分组 and 备注 live in a table of their own (schema_steps.h), written
// in the same transaction as the friend's row; opening a file of an older version adds it. Every
// insert, update and delete is a transaction of its own. A failure to open, read or store is shown
// through the ErrorReporter and leaves the file as it was.
//
// One object serves one thread at a time; the program's single worker and its
// user-interface thread take turns.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "reckoning/today.h"
#include "records/error_reporter.h"
#include "records/friend.h"
#include "records/sort_code.h"

struct sqlite3;

namespace memo {

inline constexpr char kDatabaseFileName[] = "config.mdb";
inline constexpr char kBirthdayTable[] = "生日";
inline constexpr char kNameColumn[] = "姓名";
inline constexpr char kBirthdayColumn[] = "生日";
inline constexpr char kLunarColumn[] = "提醒方式";
inline constexpr char kContactColumn[] = "联系方式";

class FriendRepository {
 public:
  explicit FriendRepository(ErrorReporter& errors);
  ~FriendRepository();
  FriendRepository(const FriendRepository&) = delete;
  FriendRepository& operator=(const FriendRepository&) = delete;

  // Connects to directory/config.mdb, creating a missing file with an empty table, and
  // makes sure the table can be read. A file that is not a database is never written to:
  // the open fails and reports, and so does every later load and change.
  bool Open(const std::string& directory);

  // Every friend, in the order of the sort code, ages counted from `today`; each stored
  // birthday text is read once here. False (reported) when the table cannot be read, with no
  // friend given.
  bool Load(SortCode order, std::vector<Friend>& friends, const TodayDates& today = TodayNow());

  // Stores a new friend (its rowid is not used); the new row's rowid, or 0 when the table
  // refused it (reported).
  int64_t Insert(const Friend& person);
  // Stores the friend in its row, or in a new row when someone else removed that row
  // meanwhile, so that the change is not lost; the row's rowid, or 0 when the table
  // refused it (reported).
  int64_t Update(const Friend& person);
  // False (reported) when the table refused; a row that is not there is no failure.
  bool Delete(int64_t rowid);
  // Stores a deleted friend again, under its old rowid while no other row has taken it,
  // else in a new row; the row's rowid, or 0 when the table refused it (reported).
  int64_t Restore(const Friend& person);

  // Which friends to store, picked in view of every friend stored at that moment.
  using Chooser = std::function<std::vector<Friend>(const std::vector<Friend>& stored)>;
  // Reads the stored friends and stores the ones `choose` gives, in one write transaction:
  // every one of them, or none when the table refuses any (reported). Another connection
  // doing the same waits, and then chooses in view of these. Their rowids are not used.
  bool InsertChosen(const Chooser& choose);

  // Writes a copy of the database to safetyPath (GBK) as BackupTo does, then replaces every
  // row with these friends, each under its own rowid, all under one write lock: no other
  // connection's change falls between the copy and the replacement. All of them, or nothing
  // changed when the copy fails or the table refuses any (reported).
  bool ReplaceAll(const std::vector<Friend>& friends, const std::string& safetyPath);

  // Writes a consistent copy of the whole database, made with SQLite's online backup, to
  // the file at `path` (GBK), which it replaces only once the copy is complete; false
  // (reported) when that fails, or when the path is the database itself.
  bool BackupTo(const std::string& path);

 private:
  bool Connect(const std::string& path, int flags);
  bool CheckReadable();
  // `created` tells whether the file had no table yet.
  bool EnsureTable(bool& created);
  void Upgrade(const std::string& safetyCopyPath);
  std::optional<bool> TableExists(const char* name);
  void ReadDetails(std::vector<Friend>& friends);
  bool WriteDetails(int64_t rowid, const Friend& person);
  // BackupTo's copy, with the reason kept for the caller to report.
  bool CopyTo(const std::string& path);
  // Runs the work in a transaction of its own: committed when it succeeds, else rolled
  // back and reported with `what` before SQLite's reason.
  bool InTransaction(const std::function<bool()>& work, const char* what);
  // With the rowid as parameter 5 when `atRowid`.
  static std::string InsertCommand(bool atRowid = false);
  bool Read(SortCode order, const TodayDates& today, bool inSql, std::vector<Friend>& friends,
            bool& keyed);
  int64_t Store(const Friend& person, bool update);
  bool Execute(const std::string& sqlUtf8);
  void ReadFailed();
  void Fail(const char* what);

  ErrorReporter& errors_;
  sqlite3* connection_ = nullptr;
  bool open_ = false;
  bool detailsTable_ = false;  // the file has the details table
  std::string lastError_;      // SQLite's reason for the last failure, GBK
};

}  // namespace memo
