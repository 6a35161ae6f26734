#include "records/friend_list.h"

#include <algorithm>

#include "settings/settings_names.h"

namespace memo {

int LoadFriendList(RecordsContext& context, int sortCode) {
  context.repository.Load(SortCodeOf(sortCode), context.friends);
  // One reading of the clock for the whole list, so that every age counts from the same day.
  context.friendList.ShowFriends(context.friends, TodayNow());
  return static_cast<int>(context.friends.size());
}

void OnSortMenu(RecordsContext& context, int sortCode, const BackgroundRunner& runInBackground) {
  context.settings.WriteNumber(SortSetting, sortCode);
  runInBackground([&context, sortCode] { LoadFriendList(context, sortCode); });
}

const Friend* FindFriend(const RecordsContext& context, int64_t rowid) {
  const auto found = std::find_if(context.friends.begin(), context.friends.end(),
                                  [rowid](const Friend& person) { return person.rowid == rowid; });
  return found == context.friends.end() ? nullptr : &*found;
}

void ShowRowSummary(RecordsContext& context, int64_t rowid) {
  const Friend* person = FindFriend(context, rowid);
  if (!person) return;
  const Birthday& birthday = person->birthday;
  context.statusBar.SetPartText(GreetingPart, person->name + "生日：" + birthday.text + "(" +
                                                  birthday.calendarName() + ")" +
                                                  (birthday.ok() ? "" : "（生日无法识别）"));
}

}  // namespace memo
