// The search box over the friend list: the list shows only the friends the typed text
// finds, and the status bar counts them. The upcoming list, the page, the tip and the
// balloon always take every friend.
#pragma once

#include <string>

#include "window_logic/records_context.h"

namespace memo {

// The typed text (GBK) becomes the search: the list shows the friends it finds, in list
// order, or every friend for a text of blanks only; the status bar says how many.
void SearchFriendList(RecordsContext& context, const std::string& text);

// The 分组 filter beside the search box: kAllGroups, kNoGroup or a group (GBK). The list shows
// the friends of that choice that the search finds, and the status bar counts them.
void FilterFriendListByGroup(RecordsContext& context, const std::string& group);

// After any change to the friend list (a load, an add, an edit, a deletion): the search,
// if any, is held against the list as it now is, and the status bar counts what it shows.
void ShowSearchAfterChange(RecordsContext& context);

// "找到" N "位好友".
std::string FoundCountText(int found);

}  // namespace memo
