// The running program's birthday records: the database beside the executable, the contexts
// that bind the friend-list operations and the upcoming pass to the main window's controls
// and the tray, and the work on them that the program asks for.
//
// One thread at a time works on the records. The background worker's tasks (list loads,
// upcoming passes, searches) and the user-interface thread's commands (saving, deleting) each
// take them through Use(), which waits while another thread holds them. Work on the worker
// that holds them never waits for the user-interface thread: controls change through posted
// work, a data-access error is shown without waiting for its OK, and the list views' current
// and selected friends (which are asked of the user-interface thread) are read only by the
// commands that run there. So the user-interface thread waits at most for the end of one
// short task, and never forever.
#pragma once

#include <cstdint>
#include <functional>
#include <mutex>
#include <string>

#include "app/background_worker.h"
#include "app/main_window_setup.h"
#include "records/error_reporter.h"
#include "records/friend_repository.h"
#include "ui/list_view.h"
#include "ui/main_window.h"
#include "window_logic/records_context.h"
#include "window_logic/upcoming_report.h"

namespace memo {

// Shows data-access errors in a message box titled with the program's name and an OK
// button, owned by the main window, on the user-interface thread.
class MessageBoxErrorReporter : public ErrorReporter {
 public:
  explicit MessageBoxErrorReporter(ui::MainWindow& window) : window_(window) {}
  // On the user-interface thread the box is modal and this returns after OK; from another
  // thread the box is handed over and this returns at once.
  void ShowError(const std::string& text) override;

 private:
  ui::MainWindow& window_;
};

class ProgramRecords : public FriendPasses, public ui::FriendListOperations {
 public:
  // The database lives beside the executable, in programDirectory (GBK, no trailing
  // separator); the report page too. The worker runs the passes; it may be made later, as
  // long as it is before the first pass.
  ProgramRecords(ui::MainWindow& window, SettingsStore& settings, TrayNotifier& tray,
                 BackgroundWorker& worker, const std::string& programDirectory);
  ProgramRecords(const ProgramRecords&) = delete;
  ProgramRecords& operator=(const ProgramRecords&) = delete;

  // On the user-interface thread, at start-up.
  void Open();
  // On the background worker: fills the friend list in that order; gives its count.
  int LoadFriendList(int sortCode) override;
  // Queued on the background worker, behind its other work: the upcoming pass; the friend
  // list loaded again in the stored order, then the upcoming pass; the order chosen in the
  // sort menu, stored and loaded; the search box's text (GBK) held against the list.
  void StartUpcomingPass() override;
  void ReloadFriends();
  void OnSortMenu(SortCode code) override;
  void OnSearchText(const std::string& text) override;
  std::vector<std::string> GroupFilterChoices() override;
  void OnGroupFilter(const std::string& group) override;
  SortCode CurrentSortCode() override;
  // On the user-interface thread: the friend list's current row named in the status bar;
  // a friend's greeting put on the clipboard (0: none), the status bar saying whether it is.
  void OnFriendRowChanged(int row) override;
  void OnCopyGreeting(int64_t rowid) override;

  // Runs the work with the records on the calling thread once no other thread holds them.
  // May be nested on one thread (a message box's loop can run another command).
  void Use(const std::function<void(RecordsContext&)>& work);

  // The records themselves: only for work run by Use(). Their settings are the exception:
  // any thread may write those.
  RecordsContext& Records() { return records_; }

 private:
  void Queue(std::function<void(RecordsContext&)> work);

  const std::string programDirectory_;
  ui::MainWindow& window_;
  BackgroundWorker& worker_;
  MessageBoxErrorReporter errors_;
  FriendRepository repository_;
  ui::FriendListControl friendList_;
  ui::UpcomingListControl upcomingList_;
  RecordsContext records_;
  ReportContext report_;
  std::recursive_mutex inUse_;
};

}  // namespace memo
