// 添加… 编辑… 删除 撤销删除: the commands on friends that open both lists' right-click menu,
// and the dispatch of their codes. A further command on friends is one more line of the
// table in friend_menu.cpp (and its operation here).
#pragma once

#include <vector>

#include "ui/design.h"

namespace memo::ui {

class FriendOperations {
 public:
  virtual ~FriendOperations() = default;
  virtual void OnAddFriend() = 0;
  // On the friends selected in the list that is shown.
  virtual void OnEditFriend() = 0;
  virtual void OnDeleteFriends() = 0;
  // Puts the friends of the last deletion back.
  virtual void OnUndoDelete() = 0;
  // A double click in the friend list: its current friend edited, or with none a new one added.
  virtual void OnFriendListDoubleClick() = 0;
};

// Appends the commands at `level`, before the menu's other groups.
void AppendFriendItems(std::vector<MenuItemDesign>& menu, int level);

// Runs the command of a chosen code; false when the code is none of them.
bool RunFriendMenuCode(int code, FriendOperations& operations);

}  // namespace memo::ui
