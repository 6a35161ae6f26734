// The text order of the birthday table. The files declare their text columns with a
// collation named "GBK", after the order a Chinese Windows database gave them; the program
// orders those columns as it orders names (records/name_order.h), so that what SQLite sorts
// and what the program sorts agree.
#pragma once

struct sqlite3;

namespace memo {

inline constexpr char kGbkCollation[] = "GBK";

// Makes the collation known to one connection; false when SQLite refuses it.
bool RegisterGbkCollation(sqlite3* connection);

}  // namespace memo
