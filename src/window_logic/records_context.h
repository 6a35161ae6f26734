// Everything the friend-list operations work on, handed to them instead of living in
// globals, so that the program's background worker and the tests can run them alike.
// The owner keeps every referenced object alive while the operations run.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "records/friend.h"
#include "records/friend_repository.h"
#include "records/friend_search.h"
#include "settings/settings_store.h"
#include "window_logic/friend_list_view.h"
#include "window_logic/status_bar.h"

namespace memo {

struct RecordsContext {
  FriendRepository& repository;
  FriendListView& friendList;
  StatusBar& statusBar;
  SettingsStore& settings;
  std::vector<Friend> friends;   // the friend list as shown, in its order
  int64_t summarisedFriend = 0;  // the friend status pane 0 names; 0 for none
  std::string searchText{};      // the search box's text; the list shows what it finds
  std::string groupFilter{};     // the 分组 filter's choice; empty or 全部 for every friend
  // The friends' texts as searches read them: made at the first search after a change.
  std::optional<FriendSearchIndex> searchIndex{};
};

}  // namespace memo
