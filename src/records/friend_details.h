// The details table's rows given to the friends they belong to, for the repository and for
// a backup read alike.
#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "records/friend.h"

namespace memo {

// "select" of the details table's columns in the order the reader takes them: rowid, name,
// 称呼, 分组, 备注 (UTF-8, after "from" the table is to follow).
std::string SelectDetailsUtf8();

struct StoredDetails {
  int64_t rowid = 0;
  std::string name, calledAs, groups, note;  // GBK
};

class DetailsAttacher {
 public:
  DetailsAttacher() = default;
  explicit DetailsAttacher(std::vector<Friend>& friends);
  // A friend that details may be given to; it must stay where it is while this attaches.
  void Add(Friend& person);
  // Gives the friend of that rowid the details, unless its name is no longer the one they were
  // stored with (an older copy of the program deleted it and gave the rowid to another).
  void Attach(StoredDetails&& details);

 private:
  std::unordered_map<int64_t, Friend*> friends_;
};

}  // namespace memo
