// A friend as the birthday table holds one: its row, name, birthday and contact, and the
// details kept beside it. Windows and
// commands address a friend by its rowid; where it shows in a list is only display.
#pragma once

#include <cstdint>
#include <string>
#include <utility>

#include "reckoning/birthday.h"

namespace memo {

struct Friend {
  Friend() = default;
  // The four columns of the birthday table; the details start empty.
  Friend(int64_t rowid, std::string name, Birthday birthday, std::string contact)
      : rowid(rowid),
        name(std::move(name)),
        birthday(std::move(birthday)),
        contact(std::move(contact)) {}

  int64_t rowid = 0;  // 0 for a friend not stored yet
  std::string name;
  Birthday birthday;
  std::string contact;
  std::string calledAs;  // 称呼: what the user calls the friend (妈妈, 王叔叔)
  std::string groups;    // 分组: the friend's groups, each once, joined by kGroupSeparator
  std::string note;      // 备注: free text, line breaks kept

  bool HasDetails() const { return !calledAs.empty() || !groups.empty() || !note.empty(); }
};

// Between two of a friend's groups; no group name holds it.
inline constexpr char kGroupSeparator[] = "、";

// The name as the lists show it: "王丽（妈妈）" with the 称呼, unless the name already ends
// with it in brackets, as people wrote it before there was a place for it.
std::string ListedName(const Friend& person);

}  // namespace memo
