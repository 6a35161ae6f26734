// The seam to the friend list: one row of five cells per friend, addressed by the friend's
// rowid. The program's view is a list view; tests and the command-line tool keep the cells
// in memory.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "reckoning/today.h"
#include "records/friend.h"

namespace memo {

// Name, birthday (a lunar one in lunar words), 农历/公历, age (empty for a birthday that could not
// be read) and contact, as typed.
std::vector<std::string> FriendCells(const Friend& person, const TodayDates& today);

// Ages count from `today`, given with the friends so that a whole list counts from one day.
class FriendListView {
 public:
  virtual ~FriendListView() = default;
  // Shows these friends in place of the ones shown before, and forgets the selection.
  virtual void ShowFriends(const std::vector<Friend>& friends, const TodayDates& today) = 0;
  // Shows the friend in the row of `rowid`, or in a new last row when there is none.
  virtual void PutFriend(int64_t rowid, const Friend& person, const TodayDates& today) = 0;
  virtual void RemoveFriends(const std::vector<int64_t>& rowids) = 0;
};

class MemoryFriendList : public FriendListView {
 public:
  struct Row {
    int64_t rowid;
    std::vector<std::string> cells;
  };

  void ShowFriends(const std::vector<Friend>& friends, const TodayDates& today) override;
  void PutFriend(int64_t rowid, const Friend& person, const TodayDates& today) override;
  void RemoveFriends(const std::vector<int64_t>& rowids) override;

  std::vector<Row> rows;
};

}  // namespace memo
