// The running program's birthday records: the database beside the executable and the
// record context that binds the friend-list, upcoming-list, report and tray operations to
// the main window's controls.
//
// One thread at a time works on the records. The background worker's tasks (list loads,
// upcoming passes) and the user-interface thread's commands (saving, deleting) each take
// them through Use(), which waits while another thread holds them. Work on the worker that
// holds them never waits for the user-interface thread: controls change through posted work,
// a data-access error is shown without waiting for its OK, and the list views' current and
// selected rows (which are asked of the user-interface thread) are read only by the commands
// that run there. So the user-interface thread waits at most for the end of one short task,
// and never forever.
#pragma once

#include <functional>
#include <mutex>
#include <string>

#include "records/birthday_database.h"
#include "records/error_reporter.h"
#include "records/records_context.h"

namespace memo {

class Application;

// Shows data-access errors in a message box with the system's default caption and an OK
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
  RecordsContext& Records() { return context_; }

 private:
  const std::string programDirectory_;
  MessageBoxErrorReporter errors_;
  BirthdayDatabase database_;
  RecordsContext context_;
  std::recursive_mutex inUse_;
};

}  // namespace memo
