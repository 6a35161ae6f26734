// The order of a load sorted in memory: a key for each row, either its value of the sorted
// column, whose byte order is the order SQLite gives that column, or a number worked out from
// the row, and the rows put in the keys' order.
// Sorting here rather than in SQLite spares the collation's work at every comparison.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "records/friend.h"

struct sqlite3_stmt;

namespace memo {

// The keys of one load, each with its first eight bytes as a number so that nearly every
// comparison is one of numbers.
class SortKeys {
 public:
  explicit SortKeys(size_t expectedRows);

  // Appends the key of the value in this column of the row, whose byte order is SQLite's
  // order of the values as the table declares the column: NULL first, the text columns in
  // the order of names, the yes/no column by number. False for a value that only SQLite
  // itself orders (a yes/no value that is no integer).
  bool Add(sqlite3_stmt* row, int column);
  // Appends a key that is a number: the rows order as the numbers do.
  void AddNumber(uint64_t number);

  // The rows' order by their keys, the stored order kept among equal keys as SQLite's
  // sorter keeps it: a stable radix sort by the first eight bytes, then the few rows that
  // share those sorted by the rest of their keys.
  std::vector<uint32_t> Order(bool descending) const;

 private:
  // What the radix sort moves: small, so that each of its passes moves little.
  struct Key {
    uint64_t first;  // the first eight bytes, big-endian, zeros past the end
    uint32_t row;
    uint32_t length;  // of the whole key
  };
  // Takes the bytes from `start` to the end as the next row's key.
  void Push(size_t start);
  // The order of two keys whose first eight bytes are equal.
  int CompareRest(const Key& a, const Key& b) const;

  std::string bytes_;
  std::vector<uint32_t> starts_;  // where each row's key starts in bytes_
  std::vector<Key> keys_;
};

// Puts friends[order[i]] at i.
void Reorder(std::vector<Friend>& friends, std::vector<uint32_t> order);

}  // namespace memo
