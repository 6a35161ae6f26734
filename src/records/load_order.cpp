#include "records/load_order.h"

#include <sqlite3.h>

#include <algorithm>
#include <cstring>
#include <numeric>
#include <string_view>

#include "records/gbk_collation.h"

namespace memo {

SortKeys::SortKeys(size_t expectedRows) {
  keys_.reserve(expectedRows);
  bytes_.reserve(expectedRows * 16);
}

bool SortKeys::Add(sqlite3_stmt* row, int column) {
  const size_t start = bytes_.size();
  const int type = column < 0 ? SQLITE_NULL : sqlite3_column_type(row, column);
  if (type == SQLITE_INTEGER) {
    // Big-endian with the sign bit flipped: byte order is number order.
    const uint64_t value =
        static_cast<uint64_t>(sqlite3_column_int64(row, column)) ^ (uint64_t{1} << 63);
    bytes_ += '\x01';
    for (int shift = 56; shift >= 0; shift -= 8) bytes_ += static_cast<char>(value >> shift);
  } else if (type == SQLITE_TEXT) {
    bytes_ += '\x02';
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(row, column));
    if (!AppendGbkSortKey(std::string_view(text, sqlite3_column_bytes(row, column)), bytes_)) {
      return false;
    }
  } else if (type != SQLITE_NULL) {
    return false;
  }
  const size_t length = bytes_.size() - start;
  unsigned char first[16] = {};
  std::memcpy(first, bytes_.data() + start, std::min<size_t>(length, sizeof first));
  Key key{0, 0, static_cast<uint32_t>(keys_.size()), static_cast<uint32_t>(start),
          static_cast<uint32_t>(length)};
  for (size_t i = 0; i < 8; ++i) {
    key.high = key.high << 8 | first[i];
    key.low = key.low << 8 | first[8 + i];
  }
  keys_.push_back(key);
  return true;
}

void SortKeys::AddNumber(uint64_t number) {
  // Eight bytes, all in the first number: equal numbers are equal keys.
  keys_.push_back(Key{number, 0, static_cast<uint32_t>(keys_.size()), 0, sizeof number});
}

std::vector<uint32_t> SortKeys::Order(bool descending) const {
  struct Entry {
    uint64_t high;  // inverted for a descending order
    uint32_t row;
  };
  std::vector<Entry> entries, spare(keys_.size());
  entries.reserve(keys_.size());
  for (const Key& key : keys_) entries.push_back({descending ? ~key.high : key.high, key.row});
  for (int shift = 0; shift < 64; shift += 8) {
    size_t starts[257] = {};
    for (const Entry& entry : entries) ++starts[(entry.high >> shift & 0xFF) + 1];
    if (*std::max_element(starts, starts + 257) == entries.size()) continue;  // one digit
    std::partial_sum(starts, starts + 257, starts);
    for (const Entry& entry : entries) spare[starts[entry.high >> shift & 0xFF]++] = entry;
    entries.swap(spare);
  }
  for (auto run = entries.begin(); run != entries.end();) {
    const auto end = std::find_if(run, entries.end(),
                                  [&](const Entry& entry) { return entry.high != run->high; });
    // Runs of one key (the same short name many times) are in order already; telling so
    // takes one pass instead of a sort's many comparisons.
    const auto unequal = std::find_if(run + 1, end, [&](const Entry& entry) {
      return CompareRest(keys_[entry.row], keys_[run->row]) != 0;
    });
    if (unequal != end) {
      std::stable_sort(run, end, [&](const Entry& a, const Entry& b) {
        const int order = CompareRest(keys_[a.row], keys_[b.row]);
        return descending ? order > 0 : order < 0;
      });
    }
    run = end;
  }
  std::vector<uint32_t> order;
  order.reserve(entries.size());
  for (const Entry& entry : entries) order.push_back(entry.row);
  return order;
}

int SortKeys::CompareRest(const Key& a, const Key& b) const {
  if (a.low != b.low) return a.low < b.low ? -1 : 1;
  if (a.length <= 16 && b.length <= 16) return a.length < b.length ? -1 : a.length > b.length;
  const std::string_view bytes(bytes_);
  return bytes.substr(a.start, a.length).compare(bytes.substr(b.start, b.length));
}

// Puts friends[order[i]] at i, in place, following each cycle of the permutation once. The
// moves jump about a large vector, and waiting for each friend in turn costs more than the
// moves themselves: memory is asked for the friends some moves further along the cycle.
void Reorder(std::vector<Friend>& friends, std::vector<uint32_t> order) {
  constexpr int kMovesAhead = 16;
  for (size_t start = 0; start < order.size(); ++start) {
    if (order[start] == start) continue;
    size_t ahead = order[start];
    const auto fetchAhead = [&] {
      if (ahead == start) return;  // the whole cycle asked for
      const char* bytes = reinterpret_cast<const char*>(&friends[ahead]);
      for (size_t line = 0; line < sizeof(Friend); line += 64) __builtin_prefetch(bytes + line);
      __builtin_prefetch(bytes + sizeof(Friend) - 1);
      ahead = order[ahead];
    };
    for (int i = 0; i < kMovesAhead; ++i) fetchAhead();
    Friend first = std::move(friends[start]);
    size_t at = start;
    while (order[at] != start) {
      const size_t from = order[at];
      fetchAhead();
      friends[at] = std::move(friends[from]);
      order[at] = static_cast<uint32_t>(at);
      at = from;
    }
    friends[at] = std::move(first);
    order[at] = static_cast<uint32_t>(at);
  }
}

}  // namespace memo
