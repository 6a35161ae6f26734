#include "records/load_order.h"

#include <sqlite3.h>

#include <algorithm>
#include <string_view>
#include <utility>

#include "records/name_order.h"

namespace memo {
namespace {

constexpr size_t kFirstBytes = sizeof(uint64_t);

void AppendBigEndian(uint64_t value, std::string& bytes) {
  for (int shift = 56; shift >= 0; shift -= 8) bytes += static_cast<char>(value >> shift);
}

uint64_t FirstBytes(std::string_view key) {
  uint64_t value = 0;
  for (size_t i = 0; i < kFirstBytes; ++i) {
    value = value << 8 | (i < key.size() ? static_cast<unsigned char>(key[i]) : 0);
  }
  return value;
}

// A stable radix sort by `first`, least significant byte first, with a pass only for each
// byte that differs among the entries (a name's key starts with the same type byte, a short
// one ends in zeros). One walk over the entries counts all eight bytes.
template <typename Entry>
void SortByFirst(std::vector<Entry>& entries) {
  uint32_t counts[kFirstBytes][256] = {};
  for (const Entry& entry : entries) {
    for (size_t digit = 0; digit < kFirstBytes; ++digit) {
      ++counts[digit][entry.first >> 8 * digit & 0xFF];
    }
  }
  std::vector<Entry> spare(entries.size());
  for (size_t digit = 0; digit < kFirstBytes && !entries.empty(); ++digit) {
    const int shift = static_cast<int>(8 * digit);
    uint32_t* const starts = counts[digit];
    if (starts[entries.front().first >> shift & 0xFF] == entries.size()) continue;
    uint32_t start = 0;
    for (int byte = 0; byte < 256; ++byte) start += std::exchange(starts[byte], start);
    for (const Entry& entry : entries) spare[starts[entry.first >> shift & 0xFF]++] = entry;
    entries.swap(spare);
  }
}

}  // namespace

SortKeys::SortKeys(size_t expectedRows) {
  keys_.reserve(expectedRows);
  starts_.reserve(expectedRows);
  bytes_.reserve(expectedRows * kFirstBytes);
}

bool SortKeys::Add(sqlite3_stmt* row, int column) {
  const size_t start = bytes_.size();
  sqlite3_value* const value = column < 0 ? nullptr : sqlite3_column_value(row, column);
  const int type = value ? sqlite3_value_type(value) : SQLITE_NULL;
  if (type == SQLITE_INTEGER) {
    // The sign bit flipped: byte order is number order.
    bytes_ += '\x01';
    AppendBigEndian(static_cast<uint64_t>(sqlite3_value_int64(value)) ^ (uint64_t{1} << 63),
                    bytes_);
  } else if (type == SQLITE_TEXT) {
    bytes_ += '\x02';
    const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(value));
    AppendNameSortKey(std::string_view(text, sqlite3_value_bytes(value)), bytes_);
  } else if (type != SQLITE_NULL) {
    return false;
  }
  Push(start);
  return true;
}

void SortKeys::AddNumber(uint64_t number) {
  const size_t start = bytes_.size();
  AppendBigEndian(number, bytes_);
  Push(start);
}

void SortKeys::Push(size_t start) {
  const std::string_view key = std::string_view(bytes_).substr(start);
  // Filled where it lies: a key built aside and copied in would be read back before its
  // parts were written, a stall at every row.
  Key& added = keys_.emplace_back();
  added.first = FirstBytes(key);
  added.row = static_cast<uint32_t>(keys_.size() - 1);
  added.length = static_cast<uint32_t>(key.size());
  starts_.push_back(static_cast<uint32_t>(start));
}

std::vector<uint32_t> SortKeys::Order(bool descending) const {
  std::vector<Key> keys = keys_;
  if (descending) {
    for (Key& key : keys) key.first = ~key.first;
  }
  SortByFirst(keys);
  for (auto run = keys.begin(); run != keys.end();) {
    const auto end =
        std::find_if(run, keys.end(), [&](const Key& key) { return key.first != run->first; });
    // Runs of one key (the same short name many times) are in order already; telling so
    // takes one pass instead of a sort's many comparisons.
    const auto unequal =
        std::find_if(run + 1, end, [&](const Key& key) { return CompareRest(key, *run) != 0; });
    if (unequal != end) {
      std::stable_sort(run, end, [&](const Key& a, const Key& b) {
        const int order = CompareRest(a, b);
        return descending ? order > 0 : order < 0;
      });
    }
    run = end;
  }
  std::vector<uint32_t> order;
  order.reserve(keys.size());
  for (const Key& key : keys) order.push_back(key.row);
  return order;
}

int SortKeys::CompareRest(const Key& a, const Key& b) const {
  // A key of eight bytes or fewer is all in `first`, so with those equal it is the start of
  // the other key, or that key itself.
  if (a.length <= kFirstBytes || b.length <= kFirstBytes) {
    return a.length < b.length ? -1 : a.length > b.length;
  }
  const std::string_view bytes(bytes_);
  return bytes.substr(starts_[a.row], a.length).compare(bytes.substr(starts_[b.row], b.length));
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
