// The seam to the friend list: one row of seven cells per friend, addressed by the friend's
// rowid. The program's view is a list view; tests and the command-line tool keep the cells
// in memory.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "reckoning/today.h"
#include "records/friend.h"
#include "settings/settings_names.h"

namespace memo {

// Name, birthday (a lunar one in lunar words), 农历/公历, age in the given form, 生肖, 星座 (the
// last three empty for a birthday that could not be read) and contact, as typed.
std::vector<std::string> FriendCells(const Friend& person, const TodayDates& today,
                                     AgeForm ageForm);

// Ages count from `today`, given with the friends so that a whole list counts from one day,
// and show in the form given with them.
class FriendListView {
 public:
  virtual ~FriendListView() = default;
  // Shows these friends in place of the ones shown before, and forgets the selection.
  virtual void ShowFriends(const std::vector<Friend>& friends, const TodayDates& today,
                           AgeForm ageForm) = 0;
  // Shows only the rows at these places among the friends given (in their order), or all of
  // them again; the rows stay as they are, and so does the selection of the rows shown.
  virtual void ShowOnly(std::vector<uint32_t> places) = 0;
  virtual void ShowAll() = 0;
  // Shows the friend in the row of `rowid`, or in a new last row when there is none.
  virtual void PutFriend(int64_t rowid, const Friend& person, const TodayDates& today,
                         AgeForm ageForm) = 0;
  virtual void RemoveFriends(const std::vector<int64_t>& rowids) = 0;
};

class MemoryFriendList : public FriendListView {
 public:
  struct Row {
    int64_t rowid;
    std::vector<std::string> cells;
  };

  void ShowFriends(const std::vector<Friend>& friends, const TodayDates& today,
                   AgeForm ageForm) override;
  void ShowOnly(std::vector<uint32_t> places) override { shownPlaces = std::move(places); }
  void ShowAll() override { shownPlaces.reset(); }
  void PutFriend(int64_t rowid, const Friend& person, const TodayDates& today,
                 AgeForm ageForm) override;
  void RemoveFriends(const std::vector<int64_t>& rowids) override;

  // The rows a user sees: every row, or those at the shown places.
  std::vector<Row> ShownRows() const;

  std::vector<Row> rows;
  std::vector<int64_t> selected;
  std::optional<std::vector<uint32_t>> shownPlaces;
};

}  // namespace memo
