#include "exchange/contact_groups.h"

#include <algorithm>

#include "exchange/exchange_text.h"
#include "records/friend_groups.h"
#include "text/gb18030.h"
#include "text/text_operations.h"

namespace memo {
namespace {

bool IsSystemGroup(const std::string& label) {
  return EqualsIgnoringCase(label, "myContacts") || EqualsIgnoringCase(label, "starred");
}

}  // namespace

std::vector<std::string> SplitLabels(const std::string& field,
                                     const std::vector<std::string>& separators) {
  std::vector<std::string> labels(1);
  for (size_t i = 0; i < field.size();) {
    const auto separator =
        std::find_if(separators.begin(), separators.end(),
                     [&](const std::string& s) { return field.compare(i, s.size(), s) == 0; });
    if (separator != separators.end()) {
      labels.emplace_back();
      i += separator->size();
    } else {
      // Whole characters, so that a separator is never found across two of them.
      const size_t length = Gb18030CharLength(field, i);
      labels.back().append(field, i, length);
      i += length;
    }
  }
  return labels;
}

std::string GroupsOf(const std::vector<std::string>& labels) {
  std::vector<std::string> groups;
  for (const std::string& label : labels) {
    std::string group(Trimmed(label));
    if (group.compare(0, 2, "* ") == 0) group = std::string(Trimmed(group.substr(2)));
    if (!IsSystemGroup(group)) groups.push_back(std::move(group));
  }
  return JoinedGroups(groups);
}

}  // namespace memo
