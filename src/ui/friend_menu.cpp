#include "ui/friend_menu.h"

#include <iterator>

namespace memo::ui {
namespace {

// Codes from here on, in the order of the table: far from the sort codes and the exchange
// commands that share the menus.
constexpr int kFirstFriendCode = 200;

struct FriendCommand {
  const char* caption;
  void (FriendOperations::*run)();
};

const FriendCommand kFriendCommands[] = {
    {"添加…", &FriendOperations::OnAddFriend},
    {"编辑…", &FriendOperations::OnEditFriend},
    {"删除", &FriendOperations::OnDeleteFriends},
    {"撤销删除", &FriendOperations::OnUndoDelete},
};

constexpr int kFriendCommandCount = static_cast<int>(std::size(kFriendCommands));

}  // namespace

void AppendFriendItems(std::vector<MenuItemDesign>& menu, int level) {
  for (int i = 0; i < kFriendCommandCount; ++i) {
    menu.push_back({level, kFriendCommands[i].caption, kFirstFriendCode + i});
  }
}

bool RunFriendMenuCode(int code, FriendOperations& operations) {
  const int index = code - kFirstFriendCode;
  if (index < 0 || index >= kFriendCommandCount) return false;
  (operations.*kFriendCommands[index].run)();
  return true;
}

}  // namespace memo::ui
