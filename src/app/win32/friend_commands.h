// The main window's commands on friends (its toolbar, its lists' keys and their menu):
// adding and editing in the birthday window, deleting after a question that names whom, and
// undoing the last deletion, each on the program's records and each followed by the upcoming
// pass. Editing and deleting work on the list that is shown.
#pragma once

#include <cstdint>
#include <vector>

#include "app/win32/program_records.h"
#include "ui/birthday_window.h"
#include "ui/friend_menu.h"
#include "ui/main_window.h"

namespace memo {

class FriendCommands : public ui::FriendOperations {
 public:
  FriendCommands(ProgramRecords& records, ui::MainWindow& main) : records_(records), main_(main) {}

  // The birthday window for a new friend, modal; once it is closed, by 确定 or by 取消,
  // the upcoming pass starts.
  void OnAddFriend() override;
  // Edits the selected friend of the shown list: the one with the focus mark when it is
  // selected, else the first. Nothing selected, or 查看详情 shown: nothing happens.
  void OnEditFriend() override;
  // Asks and deletes the selected friends of the shown list on this thread, then starts the
  // upcoming pass; they are kept for OnUndoDelete.
  void OnDeleteFriends() override;
  // Puts the friends of the last deletion back, once.
  void OnUndoDelete() override;
  // The friend list's double click: the current friend's birthday window, or a new friend's
  // when no friend is selected.
  void OnFriendListDoubleClick() override;
  // The last deletion can no longer be undone (a backup replaced every friend): its friends
  // could come back twice. Its hint leaves the status bar.
  void ForgetDeletion();

 private:
  // The birthday window for the friend of this rowid, without modality; 0 does nothing.
  // Its 确定 is followed by the upcoming pass, so that the upcoming list, the page and the
  // tray follow the changed birthday.
  void EditFriend(int64_t rowid);
  ui::RecordsGuard Guard();
  std::vector<int64_t> ChosenFriends();

  ProgramRecords& records_;
  ui::MainWindow& main_;
  std::vector<Friend> lastDeleted_;
};

}  // namespace memo
