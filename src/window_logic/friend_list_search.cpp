#include "window_logic/friend_list_search.h"

#include "datetime/date_time.h"

namespace memo {
namespace {

void ShowSearch(RecordsContext& context) {
  const FriendQuery query(context.searchText);
  if (query.empty()) {
    context.friendList.ShowAll();
    ShowRecordCount(static_cast<int>(context.friends.size()), context.statusBar);
    return;
  }
  if (!context.searchIndex) context.searchIndex.emplace(context.friends);
  std::vector<uint32_t> found = context.searchIndex->Find(query);
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

void ShowSearchAfterChange(RecordsContext& context) {
  context.searchIndex.reset();
  ShowSearch(context);
}

}  // namespace memo
