// The groups (分组) friends are put in: the ones offered to every user, the user's own, and
// which friends a group filter keeps. Texts are GBK.
#pragma once

#include <string>
#include <vector>

#include "records/friend.h"

namespace memo {

// The groups offered before any friend has one.
inline constexpr const char* kBuiltInGroups[] = {"家人", "亲戚", "同事", "同学", "朋友"};
// The filter's choices beside the groups.
inline constexpr char kAllGroups[] = "全部";
inline constexpr char kNoGroup[] = "未分组";

// The friend's groups, each once.
std::vector<std::string> GroupsOfFriend(const Friend& person);
// The groups joined as a friend keeps them, each once, a separator inside a name made a blank.
std::string JoinedGroups(const std::vector<std::string>& groups);

// The built-in groups, then the friends' own in the order first met.
std::vector<std::string> GroupChoices(const std::vector<Friend>& friends);

// Whether the filter keeps the friend: kAllGroups (or empty) every friend, kNoGroup the
// friends without a group, any other text the friends in that group.
bool InGroupFilter(const Friend& person, const std::string& filter);

}  // namespace memo
