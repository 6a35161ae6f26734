// The text order of the birthday table. A Chinese Windows database orders text by its GBK
// bytes, which puts the common characters in pinyin order; SQLite keeps UTF-8, whose byte
// order is Unicode's, so the table's text columns are declared with this collation.
#pragma once

#include <string>
#include <string_view>

struct sqlite3;

namespace memo {

inline constexpr char kGbkCollation[] = "GBK";

// Negative, zero or positive as the GB 18030 form of a sorts before, with or after that of b
// (for texts within GBK, their GBK form). Both are UTF-8.
int CompareInGbkOrder(std::string_view a, std::string_view b);

// Appends a key whose byte order is the collation's order, for a text that is well-formed
// UTF-8: sorting by keys is sorting by CompareInGbkOrder without its work at every
// comparison. False, with `key` as it was, for other texts, which only CompareInGbkOrder
// orders.
bool AppendGbkSortKey(std::string_view utf8, std::string& key);

// Makes the collation known to one connection; false when SQLite refuses it.
bool RegisterGbkCollation(sqlite3* connection);

}  // namespace memo
