// The running program's birthday records: the database beside the executable, and the
// contexts that bind the friend-list operations and the upcoming pass to the main window's
// controls and the tray.
//
// One thread at a time works on the records. The background worker's tasks (list loads,
// upcoming passes) and the user-interface thread's commands (saving, deleting) each take
// them through Use(), which waits while another thread holds them. Work on the worker that
// holds them never waits for the user-interface thread: controls change through posted work,
// a data-access error is shown without waiting for its OK, and the list views' current and
// selected friends (which are asked of the user-interface thread) are read only by the
// commands that run there. So the user-interface thread waits at most for the end of one
// short task, and never forever.
#pragma once

#include <functional>
#include <mutex>
#include <string>

#include "records/error_reporter.h"
#include "records/friend_repository.h"
#include "window_logic/records_context.h"
#include "window_logic/upcoming_report.h"
#include "ui/list_view.h"

namespace memo {

class Application;

// Shows data-access errors in a message box titled with the program's name and an OK
// button, owned by the main window, on the user-interface thread.
class MessageBoxErrorReporter : public ErrorReporter {
 public:
  explicit MessageBoxErrorReporter(Application& application) : application_(application) {}
  // On the user-interface thread the box is modal and this returns after OK; from another
  // thread the box is handed over and this returns at once.
  void ShowError(const std::string& text) override;

 private:
  Application& application_;
};

class ProgramRecords {
 public:
  // The database lives beside the executable, in programDirectory (GBK, no trailing
  // separator); the report page too.
  ProgramRecords(Application& application, const std::string& programDirectory);
  ProgramRecords(const ProgramRecords&) = delete;
  ProgramRecords& operator=(const ProgramRecords&) = delete;

  // Attaches the start-up, list and upcoming hooks of the application.
  void AttachHooks(Application& application);

  // Runs the work with the records on the calling thread once no other thread holds them.
  // May be nested on one thread (a message box's loop can run another command).
  void Use(const std::function<void(RecordsContext&)>& work);

  // The records themselves: only for work run by Use(). Their settings are the exception:
  // any thread may write those.
  RecordsContext& Records() { return records_; }

 private:
  const std::string programDirectory_;
  MessageBoxErrorReporter errors_;
  FriendRepository repository_;
  ui::FriendListControl friendList_;
  ui::UpcomingListControl upcomingList_;
  RecordsContext records_;
  ReportContext report_;
  std::recursive_mutex inUse_;
};

}  // namespace memo
