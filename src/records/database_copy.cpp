#include "records/database_copy.h"

#include <sqlite3.h>

#include "records/backup_name.h"
#include "text/file_operations.h"
#include "text/program_files.h"
#include "text/text_codec.h"

namespace memo {

bool CopyDatabase(sqlite3* connection, const std::string& path, std::string& error) {
  // The copy is made beside the target and takes its place once it is whole, so that a
  // failure never leaves half a copy, and any file the user chose to replace goes only then.
  // It reads through a connection of its own: SQLite copies from none that holds a write
  // transaction, as the given one does during a restore.
  const std::string partial = path + kPartialSuffix;
  RemovePartialCopy(partial);  // what a killed backup left: SQLite would roll it back, or fail
  sqlite3* source = nullptr;
  sqlite3* copy = nullptr;
  int result = sqlite3_open_v2(sqlite3_db_filename(connection, "main"), &source,
                               SQLITE_OPEN_READONLY, nullptr);
  if (result == SQLITE_OK) {
    sqlite3_busy_timeout(source, kBusyTimeoutMs);
    result = sqlite3_open_v2(Gb18030ToUtf8(partial).c_str(), &copy,
                             SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
  }
  // A partial copy is thrown away whole when anything fails, so it needs no journal, and
  // none is left behind when the copy is killed.
  if (result == SQLITE_OK) {
    result = sqlite3_exec(copy, "pragma journal_mode = off", nullptr, nullptr, nullptr);
  }
  if (result == SQLITE_OK) {
    sqlite3_backup* backup = sqlite3_backup_init(copy, "main", source, "main");
    result = backup ? sqlite3_backup_step(backup, -1) : sqlite3_errcode(copy);
    if (backup) sqlite3_backup_finish(backup);
  }
  if (result != SQLITE_DONE) {
    sqlite3* failed = copy ? copy : source;
    error = Utf8ToGb18030(failed ? sqlite3_errmsg(failed) : sqlite3_errstr(result));
  }
  sqlite3_close_v2(copy);
  sqlite3_close_v2(source);
  if (result == SQLITE_DONE) {
    if (ReplaceFileWith(partial, path)) return true;
    error = "所选的文件无法替换";
  }
  RemovePartialCopy(partial);
  return false;
}

}  // namespace memo
