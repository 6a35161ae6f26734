#include "records/friend_editing.h"

#include <algorithm>

#include "records/friend_list.h"

namespace memo {

std::optional<Birthday> SolarBirthdayOfDate(DateTime date) {
  if (!(date >= kMinDateTime && date <= kMaxDateTime)) return std::nullopt;
  const DateTime day = DatePart(date);
  return BirthdayOf(false, YearOf(day), MonthOf(day), DayOf(day), false);
}

bool AddFriend(RecordsContext& context, Friend person) {
  person.rowid = context.repository.Insert(person);
  if (person.rowid == 0) return false;
  context.friendList.PutFriend(person.rowid, person, TodayNow(), ChosenAgeForm(context.settings));
  context.friends.push_back(std::move(person));
  ShowListStatus(context);
  return true;
}

bool UpdateFriend(RecordsContext& context, const Friend& person) {
  Friend stored = person;
  stored.rowid = context.repository.Update(person);
  if (stored.rowid == 0) return false;
  // A row that someone else removed meanwhile was stored anew, under a new rowid.
  context.friendList.PutFriend(person.rowid, stored, TodayNow(), ChosenAgeForm(context.settings));
  for (Friend& listed : context.friends) {
    if (listed.rowid == person.rowid) listed = stored;
  }
  if (context.summarisedFriend == person.rowid) context.summarisedFriend = stored.rowid;
  ShowListStatus(context);
  return true;
}

int DeleteFriends(RecordsContext& context, const std::vector<int64_t>& rowids) {
  std::vector<int64_t> deleted;
  for (int64_t rowid : rowids) {
    if (!context.repository.Delete(rowid)) break;
    deleted.push_back(rowid);
  }
  std::vector<Friend>& friends = context.friends;
  friends.erase(std::remove_if(friends.begin(), friends.end(),
                               [&](const Friend& person) {
                                 return std::find(deleted.begin(), deleted.end(), person.rowid) !=
                                        deleted.end();
                               }),
                friends.end());
  context.friendList.RemoveFriends(deleted);
  ShowListStatus(context);
  return static_cast<int>(deleted.size());
}

int DeleteSelectedFriends(RecordsContext& context, const Confirmation& confirm) {
  const std::vector<int64_t> selected = context.friendList.SelectedFriends();
  if (selected.empty()) return 0;
  const std::string question =
      "确定要删除这" + NumberToText(static_cast<int>(selected.size())) + "位好友的生日信息吗?";
  if (!confirm(question)) return 0;
  return DeleteFriends(context, selected);
}

}  // namespace memo
