#include "window_logic/friend_list_search.h"

#include <algorithm>

#include "datetime/date_time.h"
#include "records/friend_groups.h"

namespace memo {
namespace {

bool EveryGroup(const std::string& filter) {
  return filter.empty() || filter == kAllGroups;
}

// The friends the search finds, in the group the filter chose.
void ShowSearch(RecordsContext& context) {
  const FriendQuery query(context.searchText);
  if (query.empty() && EveryGroup(context.groupFilter)) {
    context.friendList.ShowAll();
    ShowRecordCount(static_cast<int>(context.friends.size()), context.statusBar);
    return;
  }
  std::vector<uint32_t> found;
  if (query.empty()) {
    for (uint32_t place = 0; place < context.friends.size(); ++place) found.push_back(place);
  } else {
    if (!context.searchIndex) context.searchIndex.emplace(context.friends);
    found = context.searchIndex->Find(query);
  }
  found.erase(std::remove_if(found.begin(), found.end(),
                             [&](uint32_t place) {
                               return !InGroupFilter(context.friends[place], context.groupFilter);
                             }),
              found.end());
  context.statusBar.SetPartText(kRecordCountPart, FoundCountText(static_cast<int>(found.size())));
  context.friendList.ShowOnly(std::move(found));
}

}  // namespace

std::string FoundCountText(int found) {
  return "找到" + NumberToText(found) + "位好友";
}

void SearchFriendList(RecordsContext& context, const std::string& text) {
  context.searchText = text;
  ShowSearch(context);
}

void FilterFriendListByGroup(RecordsContext& context, const std::string& group) {
  context.groupFilter = group;
  ShowSearch(context);
}

void ShowSearchAfterChange(RecordsContext& context) {
  context.searchIndex.reset();
  ShowSearch(context);
}

}  // namespace memo
