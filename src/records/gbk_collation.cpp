#include "records/gbk_collation.h"

#include <sqlite3.h>

#include "records/name_order.h"

namespace memo {
namespace {

// The table's text columns are ordered as names are: the collation keeps its name, which the
// files declare, and orders in pinyin.
int CollationCallback(void*, int lengthA, const void* a, int lengthB, const void* b) {
  return CompareInNameOrder(std::string_view(static_cast<const char*>(a), lengthA),
                            std::string_view(static_cast<const char*>(b), lengthB));
}

}  // namespace

bool RegisterGbkCollation(sqlite3* connection) {
  return sqlite3_create_collation(connection, kGbkCollation, SQLITE_UTF8, nullptr,
                                  CollationCallback) == SQLITE_OK;
}

}  // namespace memo
