#include "records/friend_list_view.h"

#include <algorithm>

#include "reckoning/age.h"
#include "reckoning/birthday_words.h"

namespace memo {

std::vector<std::string> FriendCells(const Friend& person, const TodayDates& today) {
  const Birthday& birthday = person.birthday;
  return {person.name, BirthdayWords(birthday), birthday.calendarName(), AgeText(birthday, today),
          person.contact};
}

void MemoryFriendList::ShowFriends(const std::vector<Friend>& friends, const TodayDates& today) {
  rows.clear();
  for (const Friend& person : friends) rows.push_back({person.rowid, FriendCells(person, today)});
}

void MemoryFriendList::PutFriend(int64_t rowid, const Friend& person, const TodayDates& today) {
  auto row = std::find_if(rows.begin(), rows.end(), [&](const Row& r) { return r.rowid == rowid; });
  if (row == rows.end()) row = rows.insert(rows.end(), Row{});
  *row = {person.rowid, FriendCells(person, today)};
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
