#include "records/friend_details.h"

#include "records/schema_steps.h"
#include "text/text_codec.h"

namespace memo {

std::string SelectDetailsUtf8() {
  std::string select;
  for (const char* column :
       {kDetailsRowidColumn, kDetailsNameColumn, kCalledAsColumn, kGroupsColumn, kNoteColumn}) {
    select += (select.empty() ? "select \"" : ", \"") + Gb18030ToUtf8(column) + "\"";
  }
  return select + " from \"" + Gb18030ToUtf8(kDetailsTable) + "\"";
}

DetailsAttacher::DetailsAttacher(std::vector<Friend>& friends) : friends_(friends) {
  for (size_t i = 0; i < friends.size(); ++i) positions_.emplace(friends[i].rowid, i);
}

void DetailsAttacher::Attach(StoredDetails&& details) {
  const auto found = positions_.find(details.rowid);
  if (found == positions_.end()) return;
  Friend& person = friends_[found->second];
  if (details.name != person.name) return;
  person.calledAs = std::move(details.calledAs);
  person.groups = std::move(details.groups);
  person.note = std::move(details.note);
}

}  // namespace memo
