// Brings an open config.mdb to the version of the program's tables that this program
// writes. The version is SQLite's user_version of the file, 0 for a file of the first
// version. An upgrade first writes a safety copy of the file beside it, then takes every
// missing step and the new version in one transaction: a crash or kill at any moment leaves
// the old file or the new one, whole.
#pragma once

#include <string>
#include <vector>

#include "records/schema_steps.h"

struct sqlite3;

namespace memo {

// The file's version, or -1 when it cannot be read.
int SchemaVersionOf(sqlite3* connection);

// Takes the steps the file lacks. The safety copy goes to `safetyCopyPath` (GBK), once it is
// whole; an empty path writes none (a file just made holds nothing to keep). A file of a later
// version is left as it is. False, with SQLite's reason or the copy's in `error` (GBK), when
// the copy or a step fails: the file is then as it was.
bool UpgradeSchema(sqlite3* connection, const std::vector<SchemaStep>& steps,
                   const std::string& safetyCopyPath, std::string& error);

}  // namespace memo
