#include "window_logic/friend_list_view.h"

#include <algorithm>

#include "reckoning/age.h"
#include "reckoning/birth_signs.h"
#include "reckoning/birthday_words.h"

namespace memo {

std::vector<std::string> FriendCells(const Friend& person, const TodayDates& today,
                                     AgeForm ageForm) {
  const Birthday& birthday = person.birthday;
  return {ListedName(person),      BirthdayWords(birthday),
          birthday.calendarName(), AgeText(birthday, today, ageForm),
          ZodiacOfBirth(birthday), StarSignOfBirth(birthday),
          person.contact};
}

void MemoryFriendList::ShowFriends(const std::vector<Friend>& friends, const TodayDates& today,
                                   AgeForm ageForm) {
  rows.clear();
  shownPlaces.reset();
  for (const Friend& person : friends) {
    rows.push_back({person.rowid, FriendCells(person, today, ageForm)});
  }
  selected.clear();
}

std::vector<MemoryFriendList::Row> MemoryFriendList::ShownRows() const {
  if (!shownPlaces) return rows;
  std::vector<Row> shown;
  for (uint32_t place : *shownPlaces) shown.push_back(rows.at(place));
  return shown;
}

void MemoryFriendList::PutFriend(int64_t rowid, const Friend& person, const TodayDates& today,
                                 AgeForm ageForm) {
  auto row = std::find_if(rows.begin(), rows.end(), [&](const Row& r) { return r.rowid == rowid; });
  if (row == rows.end()) row = rows.insert(rows.end(), Row{});
  *row = {person.rowid, FriendCells(person, today, ageForm)};
}

void MemoryFriendList::RemoveFriends(const std::vector<int64_t>& rowids) {
  rows.erase(std::remove_if(rows.begin(), rows.end(),
                            [&](const Row& r) {
                              return std::find(rowids.begin(), rowids.end(), r.rowid) !=
                                     rowids.end();
                            }),
             rows.end());
}

}  // namespace memo
