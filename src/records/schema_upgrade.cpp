#include "records/schema_upgrade.h"

#include <sqlite3.h>

#include "records/database_copy.h"
#include "text/text_codec.h"

namespace memo {
namespace {

bool Run(sqlite3* connection, const std::string& sqlUtf8) {
  return sqlite3_exec(connection, sqlUtf8.c_str(), nullptr, nullptr, nullptr) == SQLITE_OK;
}

std::string ReasonOf(sqlite3* connection) {
  return Utf8ToGb18030(sqlite3_errmsg(connection));
}

}  // namespace

int SchemaVersionOf(sqlite3* connection) {
  sqlite3_stmt* statement = nullptr;
  int version = -1;
  if (sqlite3_prepare_v2(connection, "pragma user_version", -1, &statement, nullptr) == SQLITE_OK &&
      sqlite3_step(statement) == SQLITE_ROW) {
    version = sqlite3_column_int(statement, 0);
  }
  sqlite3_finalize(statement);
  return version;
}

bool UpgradeSchema(sqlite3* connection, const std::vector<SchemaStep>& steps,
                   const std::string& safetyCopyPath, std::string& error) {
  const int version = SchemaVersionOf(connection);
  if (version < 0) {
    error = ReasonOf(connection);
    return false;
  }
  const int target = static_cast<int>(steps.size());
  if (version >= target) return true;
  if (!safetyCopyPath.empty() && !CopyDatabase(connection, safetyCopyPath, error)) return false;
  // The version is read again inside the transaction: another copy of the program may have
  // upgraded the file meanwhile.
  bool done = Run(connection, "begin immediate");
  const int now = done ? SchemaVersionOf(connection) : -1;
  for (int step = now; done && step >= 0 && step < target; ++step) {
    done = Run(connection, steps[step]);
  }
  done = done && now >= 0 &&
         (now >= target || Run(connection, "pragma user_version = " + std::to_string(target))) &&
         Run(connection, "commit");
  if (done) return true;
  error = ReasonOf(connection);
  Run(connection, "rollback");
  return false;
}

}  // namespace memo
