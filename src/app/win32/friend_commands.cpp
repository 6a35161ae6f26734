#include "app/win32/friend_commands.h"

#include <windows.h>

#include <algorithm>

#include "text/win32/wide_text.h"
#include "window_logic/friend_editing.h"

namespace memo {
namespace {

// Yes or No, with the exclamation icon, modal to the task. A box without an owner goes
// while every window of the program is still disabled, so the system hands the activation
// to another program's window; it is given back to the window that had it.
bool ConfirmDeletion(const std::string& question) {
  HWND active = GetActiveWindow();
  int answer = MessageBoxW(nullptr, Wide(question).c_str(), Wide("寿辰备忘录").c_str(),
                           MB_YESNO | MB_ICONEXCLAMATION | MB_TASKMODAL);
  if (active && IsWindow(active)) SetForegroundWindow(active);
  return answer == IDYES;
}

}  // namespace

ui::RecordsGuard FriendCommands::Guard() {
  return [this](const std::function<void()>& work) {
    records_.Use([&work](RecordsContext&) { work(); });
  };
}

void FriendCommands::OnAddFriend() {
  ui::BirthdayWindow window(records_.Records(), Guard());
  window.OpenModal(main_.Handle());
  if (window.Saved()) main_.ShowPage(ui::kFriendListPage);
  records_.StartUpcomingPass();
}

void FriendCommands::EditFriend(int64_t rowid) {
  if (rowid == 0) return;
  ui::BirthdayWindow::OpenForEditing(main_.Handle(), records_.Records(), Guard(), rowid, [this] {
    main_.ShowPage(ui::kFriendListPage);
    records_.StartUpcomingPass();
  });
}

void FriendCommands::OnFriendListDoubleClick() {
  if (main_.FriendList().SelectedIds().empty()) {
    OnAddFriend();
  } else {
    EditFriend(main_.FriendList().CurrentId());
  }
}

std::vector<int64_t> FriendCommands::ChosenFriends() {
  ui::ListView* list = main_.ShownList();
  return list ? list->SelectedIds() : std::vector<int64_t>();
}

void FriendCommands::OnEditFriend() {
  const std::vector<int64_t> chosen = ChosenFriends();
  if (chosen.empty()) return;
  const int64_t current = main_.ShownList()->CurrentId();
  const bool currentChosen = std::find(chosen.begin(), chosen.end(), current) != chosen.end();
  EditFriend(currentChosen ? current : chosen.front());
}

void FriendCommands::OnDeleteFriends() {
  const std::vector<int64_t> chosen = ChosenFriends();
  if (chosen.empty()) return;
  // The records stay held while the question is open, so that the rowids still name the
  // same friends when the answer comes.
  std::vector<Friend> deleted;
  records_.Use([&](RecordsContext& records) {
    deleted = memo::DeleteChosenFriends(records, chosen, ConfirmDeletion);
  });
  if (deleted.empty()) return;
  lastDeleted_ = std::move(deleted);
  records_.StartUpcomingPass();
}

void FriendCommands::ForgetDeletion() {
  if (lastDeleted_.empty()) return;
  lastDeleted_.clear();
  records_.Use([](RecordsContext& records) { records.statusBar.SetPartText(kGreetingPart, ""); });
}

void FriendCommands::OnUndoDelete() {
  if (lastDeleted_.empty()) return;
  records_.Use([this](RecordsContext& records) { RestoreFriends(records, lastDeleted_); });
  lastDeleted_.clear();
  records_.StartUpcomingPass();
}

}  // namespace memo
