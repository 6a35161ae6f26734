// A consistent copy of a whole open database, for backups, the copy before a restore and the
// copy before an upgrade.
#pragma once

#include <string>

struct sqlite3;

namespace memo {

// How long a statement waits for another connection (the command-line tool, a second copy
// of the program) to let go of the file before it fails as busy: longer than any of our own
// transactions take, short enough that the user hears of a stuck one at once.
inline constexpr int kBusyTimeoutMs = 2000;

// Writes a copy of the database of `connection` to `path` (GBK) with SQLite's online backup,
// beside it first and in its place once it is whole; false with the reason (GBK) in `error`.
bool CopyDatabase(sqlite3* connection, const std::string& path, std::string& error);

}  // namespace memo
