#include "app/win32/friend_commands.h"

#include <windows.h>

#include "app/win32/application.h"
#include "records/friend_editing.h"
#include "text/win32/wide_text.h"

namespace memo {
namespace {

// Yes or No, with the exclamation icon, modal to the task. A box without an owner goes
// while every window of the program is still disabled, so the system hands the activation
// to another program's window; it is given back to the window that had it.
bool ConfirmDeletion(const std::string& question) {
  HWND active = GetActiveWindow();
  int answer = MessageBoxW(nullptr, Wide(question).c_str(), Wide("信息：").c_str(),
                           MB_YESNO | MB_ICONEXCLAMATION | MB_TASKMODAL);
  if (active && IsWindow(active)) SetForegroundWindow(active);
  return answer == IDYES;
}

}  // namespace

void FriendCommands::AttachHooks(ProgramHooks& hooks) {
  hooks.editFriend = [this](int64_t rowid) { EditFriend(rowid); };
  hooks.deleteSelectedFriends = [this] { DeleteSelectedFriends(); };
}

ui::RecordsGuard FriendCommands::Guard() {
  return [this](const std::function<void()>& work) {
    records_.Use([&work](RecordsContext&) { work(); });
  };
}

void FriendCommands::AddFriend() {
  ui::BirthdayWindow window(records_.Records(), Guard());
  window.OpenModal(main_.Handle());
  if (window.Saved()) main_.ShowPage(ui::kFriendListPage);
  startUpcomingPass_();
}

void FriendCommands::EditFriend(int64_t rowid) {
  if (rowid == 0) return;
  ui::BirthdayWindow::OpenForEditing(main_.Handle(), records_.Records(), Guard(), rowid, [this] {
    main_.ShowPage(ui::kFriendListPage);
    startUpcomingPass_();
  });
}

void FriendCommands::DeleteSelectedFriends() {
  // The records stay held while the question is open, so that the selection still names
  // the same friends when the answer comes.
  int deleted = 0;
  records_.Use([&deleted](RecordsContext& records) {
    deleted = memo::DeleteSelectedFriends(records, ConfirmDeletion);
  });
  if (deleted > 0) startUpcomingPass_();
}

}  // namespace memo
