#include "records/friend_groups.h"

#include <algorithm>

#include "text/gb18030.h"
#include "text/text_operations.h"

namespace memo {
namespace {

void AddOnce(std::vector<std::string>& groups, const std::string& group) {
  if (!group.empty() && std::find(groups.begin(), groups.end(), group) == groups.end()) {
    groups.push_back(group);
  }
}

}  // namespace

std::vector<std::string> GroupsOfFriend(const Friend& person) {
  std::vector<std::string> groups;
  const std::string separator = kGroupSeparator;
  std::string group;
  // Whole characters, so that a separator is never found across two of them.
  for (size_t pos = 0; pos < person.groups.size();) {
    const size_t length = Gb18030CharLength(person.groups, pos);
    if (person.groups.compare(pos, length, separator) == 0) {
      AddOnce(groups, group);
      group.clear();
    } else {
      group.append(person.groups, pos, length);
    }
    pos += length;
  }
  AddOnce(groups, group);
  return groups;
}

std::string JoinedGroups(const std::vector<std::string>& groups) {
  std::vector<std::string> once;
  for (const std::string& group : groups) {
    AddOnce(once, ReplaceText(group, kGroupSeparator, " "));
  }
  std::string joined;
  for (const std::string& group : once) joined += (joined.empty() ? "" : kGroupSeparator) + group;
  return joined;
}

std::vector<std::string> GroupChoices(const std::vector<Friend>& friends) {
  std::vector<std::string> choices(std::begin(kBuiltInGroups), std::end(kBuiltInGroups));
  for (const Friend& person : friends) {
    if (person.groups.empty()) continue;
    for (const std::string& group : GroupsOfFriend(person)) AddOnce(choices, group);
  }
  return choices;
}

bool InGroupFilter(const Friend& person, const std::string& filter) {
  if (filter.empty() || filter == kAllGroups) return true;
  if (filter == kNoGroup) return person.groups.empty();
  const std::vector<std::string> groups = GroupsOfFriend(person);
  return std::find(groups.begin(), groups.end(), filter) != groups.end();
}

}  // namespace memo
