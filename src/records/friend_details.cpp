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

DetailsAttacher::DetailsAttacher(std::vector<Friend>& friends) {
  for (Friend& person : friends) Add(person);
}

void DetailsAttacher::Add(Friend& person) {
  friends_.emplace(person.rowid, &person);
}

void DetailsAttacher::Attach(StoredDetails&& details) {
  const auto found = friends_.find(details.rowid);
  if (found == friends_.end()) return;
  Friend& person = *found->second;
  if (details.name != person.name) return;
  person.calledAs = std::move(details.calledAs);
  person.groups = std::move(details.groups);
  person.note = std::move(details.note);
}

}  // namespace memo
