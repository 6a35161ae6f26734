#include "window_logic/friend_editing.h"

#include <algorithm>

#include "reckoning/birthday_words.h"
#include "settings/settings_names.h"
#include "window_logic/friend_list.h"

namespace memo {

std::optional<Birthday> SolarBirthdayOfDate(DateTime date) {
  if (!(date >= kMinDateTime && date <= kMaxDateTime)) return std::nullopt;
  const DateTime day = DatePart(date);
  return BirthdayOf(false, YearOf(day), MonthOf(day), DayOf(day), false);
}

namespace {

// The list loaded again in its order, so that new friends take their places in it at once.
void LoadInOrder(RecordsContext& context) {
  LoadFriendList(context, context.settings.ReadNumber(kSortSetting));
}

}  // namespace

bool AddFriend(RecordsContext& context, Friend person) {
  if (context.repository.Insert(person) == 0) return false;
  LoadInOrder(context);
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

namespace {

// "王小明" for one friend, "王小明、李娜等3位好友" for several.
std::string WhomText(const std::vector<Friend>& friends) {
  if (friends.size() == 1) return friends[0].name;
  return friends[0].name + "、" + friends[1].name + "等" +
         NumberToText(static_cast<int>(friends.size())) + "位好友";
}

}  // namespace

std::string DeletionQuestion(const std::vector<Friend>& friends) {
  std::string whom = WhomText(friends);
  if (friends.size() == 1) {
    const Birthday& birthday = friends[0].birthday;
    whom += "（" + BirthdayWords(birthday) + "，" + birthday.calendarName() + "）";
  }
  return "确定要删除" + whom + "的生日信息吗？";
}

std::vector<Friend> DeleteChosenFriends(RecordsContext& context, const std::vector<int64_t>& rowids,
                                        const Confirmation& confirm) {
  std::vector<Friend> chosen;
  for (int64_t rowid : rowids) {
    if (const Friend* person = FindFriend(context, rowid)) chosen.push_back(*person);
  }
  if (chosen.empty() || !confirm(DeletionQuestion(chosen))) return {};
  std::vector<int64_t> chosenIds;
  for (const Friend& person : chosen) chosenIds.push_back(person.rowid);
  chosen.resize(DeleteFriends(context, chosenIds));
  if (!chosen.empty()) {
    context.statusBar.SetPartText(kGreetingPart,
                                  "已删除" + WhomText(chosen) + "。按 Ctrl+Z 撤销。");
  }
  return chosen;
}

int RestoreFriends(RecordsContext& context, const std::vector<Friend>& friends) {
  // A friend imported or added again since the deletion is not put back a second time.
  std::vector<Friend> stored;
  context.repository.Load(SortCode::kStored, stored);
  std::vector<Friend> present;
  int64_t firstRestored = 0;
  int restored = 0;
  for (const Friend& person : friends) {
    if (std::any_of(stored.begin(), stored.end(), [&](const Friend& other) {
          return other.name == person.name && other.birthday.text == person.birthday.text &&
                 other.birthday.lunar() == person.birthday.lunar();
        })) {
      present.push_back(person);
      continue;
    }
    const int64_t rowid = context.repository.Restore(person);
    if (rowid == 0) break;
    if (restored++ == 0) firstRestored = rowid;
  }
  LoadInOrder(context);
  if (!present.empty()) {
    context.statusBar.SetPartText(kGreetingPart,
                                  WhomText(present) + "已在好友列表中，没有再恢复。");
  } else if (restored > 0) {
    ShowRowSummary(context, firstRestored);
  }
  return restored;
}

}  // namespace memo
