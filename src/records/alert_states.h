// What the user did with each birthday alert, kept in config.mdb beside the birthday table
// (which stays exactly as it is, so that an older copy of the program still reads the file).
// A row belongs to one alert: the friend's rowid, the solar day of the birthday it announces
// and the day it fell due. The friend's name is kept with it, so that a row whose rowid has
// since gone to someone else (a friend deleted and another added, a backup restored) is
// taken for no one's; a friend moved to another day has other occurrences, so the old rows
// match nothing either.
//
// Every change is one statement, so that a process killed at any moment leaves either the
// old row or the new one.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "datetime/day_number.h"
#include "records/error_reporter.h"

struct sqlite3;

namespace memo {

enum class AlertAction {
  kShown = 0,    // shown in the reminder window
  kSnoozed = 1,  // 稍后提醒: to come back once at `until`
  kDone = 2,     // 关闭
  kGreeted = 3,  // 已祝福: no more alerts for this occurrence
};

struct AlertState {
  int64_t friendRowid = 0;
  std::string name;  // GBK, the friend's name when the state was written
  DayNumber occurrence;
  DayNumber alertDay;
  AlertAction action = AlertAction::kShown;
  int64_t until = 0;  // for kSnoozed: the local minute (see local_minute.h) it comes back
};

class AlertStateStore {
 public:
  explicit AlertStateStore(ErrorReporter& errors);
  ~AlertStateStore();
  AlertStateStore(const AlertStateStore&) = delete;
  AlertStateStore& operator=(const AlertStateStore&) = delete;

  // Connects to directory/config.mdb, whose repository has made the table. Without the table
  // (a file that is no database, or one that could not be upgraded) every call below fails
  // unreported: the repository has told the user of the file.
  bool Open(const std::string& directory);
  // The states of occurrences on or after `since`; false (reported) when unreadable.
  bool Load(DayNumber since, std::vector<AlertState>& states);
  // Stores the state of its alert, replacing the one before.
  bool Record(const AlertState& state);
  // Removes the states of occurrences before `before`, which no rule reads any more.
  bool Forget(DayNumber before);

 private:
  // Reports SQLite's reason after `what`; false.
  bool Fail(const char* what);

  ErrorReporter& errors_;
  sqlite3* connection_ = nullptr;
  bool hasTable_ = false;
};

}  // namespace memo
