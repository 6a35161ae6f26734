// The friend list: filled from the birthday table in one of eight sort orders, and the
// status-bar summary of a friend in it.
#pragma once

#include <cstdint>
#include <functional>

#include "window_logic/records_context.h"

namespace memo {

// Clears the list and refills it from the table in the order of the sort code (a number
// outside the codes is the stored order), and brings the status bar up to it. When the table
// cannot be read (reported) the list stays empty. Gives the number of friends listed.
int LoadFriendList(RecordsContext& context, int sortCode);

// Runs a task on the program's background worker.
using BackgroundRunner = std::function<void(std::function<void()>)>;

// The order the list is shown in: the stored sort code; the stored order for a number
// outside the codes.
SortCode ChosenSortCode(SettingsStore& settings);
// The form the lists show ages in: 周岁 for a missing or unknown value.
AgeForm ChosenAgeForm(SettingsStore& settings);

// Remembers the chosen order and reloads the list in the background.
void OnSortMenu(RecordsContext& context, int sortCode, const BackgroundRunner& runInBackground);

// Status pane 0: name + "生日：" + birthday text + "(" + calendar + ")" of the friend, and
// "（生日无法识别）" after a birthday that could not be read; nothing for a friend not in
// the list. The pane names that friend from then on.
void ShowRowSummary(RecordsContext& context, int64_t rowid);

// Brings the status bar up to the friend list after any change to it (an add, an edit, a
// deletion, a reload, an import): the search held against the list as it now is, the record
// count (or the count found while a search is active), and pane 0 again for the friend it
// names, as that friend is now, or empty once the friend is gone.
void ShowListStatus(RecordsContext& context);

// The friend of this rowid in the list; nullptr when it is not there.
const Friend* FindFriend(const RecordsContext& context, int64_t rowid);

}  // namespace memo
