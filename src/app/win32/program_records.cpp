#include "app/win32/program_records.h"

#include <windows.h>

#include "app/win32/application.h"
#include "reckoning/upcoming_report.h"
#include "records/friend_list.h"
#include "records/upcoming_pass.h"
#include "text/win32/wide_text.h"
#include "ui/ui_thread.h"

namespace memo {

void MessageBoxErrorReporter::ShowError(const std::string& text) {
  // Waiting here on the worker could stop the program: the user-interface thread may be
  // waiting for the records this worker holds.
  HWND owner = application_.Window().Handle();
  ui::RunOnUi([owner, text] { MessageBoxW(owner, Wide(text).c_str(), nullptr, MB_OK); });
}

ProgramRecords::ProgramRecords(Application& application, const std::string& programDirectory)
    : programDirectory_(programDirectory),
      errors_(application),
      database_(errors_),
      context_{database_,
               application.Window().FriendList(),
               application.Window().UpcomingList(),
               application.Window().Status(),
               application.Settings(),
               application.Window().ReportView(),
               application,
               ReportFilePath(programDirectory)} {}

void ProgramRecords::Use(const std::function<void(RecordsContext&)>& work) {
  std::lock_guard<std::recursive_mutex> lock(inUse_);
  work(context_);
}

void ProgramRecords::AttachHooks(Application& application) {
  ProgramHooks& hooks = application.hooks;
  hooks.openBirthdayDatabase = [this] {
    Use([this](RecordsContext& records) {
      records.database.OpenBirthdayDatabase(programDirectory_);
    });
  };
  hooks.loadFriendList = [this](int sortCode) {
    Use([sortCode](RecordsContext& records) { LoadFriendList(records, sortCode); });
  };
  hooks.recomputeUpcoming = [this] { Use(RecomputeUpcoming); };
  // Reads only the friend list and writes the status bar, both safe from any thread, so it
  // never waits for a task of the worker.
  hooks.showRowSummary = [this](int) { ShowRowSummary(context_); };
}

}  // namespace memo
