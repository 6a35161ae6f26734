#include "window_logic/friend_list.h"

#include <algorithm>

#include "settings/settings_names.h"
#include "window_logic/friend_list_search.h"

namespace memo {

int LoadFriendList(RecordsContext& context, int sortCode) {
  // One reading of the clock for the whole list, so that every age counts from the same day,
  // and the age orders sort the ages shown.
  const TodayDates today = TodayNow();
  context.repository.Load(SortCodeOf(sortCode), context.friends, today);
  context.friendList.ShowFriends(context.friends, today, ChosenAgeForm(context.settings));
  ShowListStatus(context);
  return static_cast<int>(context.friends.size());
}

SortCode ChosenSortCode(SettingsStore& settings) {
  return SortCodeOf(settings.ReadNumber(kSortSetting));
}

AgeForm ChosenAgeForm(SettingsStore& settings) {
  return AgeFormOf(settings.ReadNumber(kAgeSetting));
}

void OnSortMenu(RecordsContext& context, int sortCode, const BackgroundRunner& runInBackground) {
  context.settings.WriteNumber(kSortSetting, sortCode);
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
  context.summarisedFriend = rowid;
  const Birthday& birthday = person->birthday;
  context.statusBar.SetPartText(kGreetingPart, person->name + "生日：" + birthday.text + "(" +
                                                   birthday.calendarName() + ")" +
                                                   (birthday.ok() ? "" : "（生日无法识别）"));
}

void ShowListStatus(RecordsContext& context) {
  ShowSearchAfterChange(context);
  if (context.summarisedFriend == 0) return;
  if (FindFriend(context, context.summarisedFriend)) {
    ShowRowSummary(context, context.summarisedFriend);
  } else {
    context.summarisedFriend = 0;
    context.statusBar.SetPartText(kGreetingPart, "");
  }
}

}  // namespace memo
