// The main window's commands on friends: adding and editing in the birthday window, and
// deleting after a confirmation, each on the program's records.
#pragma once

#include <cstdint>
#include <functional>

#include "app/win32/program_records.h"
#include "ui/birthday_window.h"
#include "ui/main_window.h"

namespace memo {

struct ProgramHooks;

class FriendCommands {
 public:
  // `startUpcomingPass` queues the upcoming pass on the background worker.
  FriendCommands(ProgramRecords& records, ui::MainWindow& main,
                 std::function<void()> startUpcomingPass)
      : records_(records), main_(main), startUpcomingPass_(std::move(startUpcomingPass)) {}

  // Attaches the edit and delete hooks of the application.
  void AttachHooks(ProgramHooks& hooks);

  // The birthday window for a new friend, modal; once it is closed, by 确定 or by 取消,
  // the upcoming pass starts.
  void AddFriend();
  // The birthday window for the friend of this rowid, without modality; 0 does nothing.
  // Its 确定 is followed by the upcoming pass, so that the upcoming list, the page and the
  // tray follow the changed birthday.
  void EditFriend(int64_t rowid);
  // Asks and deletes the selected friends on this thread, then starts the upcoming pass.
  void DeleteSelectedFriends();

 private:
  ui::RecordsGuard Guard();

  ProgramRecords& records_;
  ui::MainWindow& main_;
  std::function<void()> startUpcomingPass_;
};

}  // namespace memo
