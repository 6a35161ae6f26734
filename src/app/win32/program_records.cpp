#include "app/win32/program_records.h"

#include <windows.h>

#include "app/win32/application.h"
#include "app/win32/clipboard.h"
#include "window_logic/friend_list.h"
#include "report/greetings.h"
#include "text/win32/wide_text.h"
#include "ui/ui_thread.h"

namespace memo {

void MessageBoxErrorReporter::ShowError(const std::string& text) {
  // Waiting here on the worker could stop the program: the user-interface thread may be
  // waiting for the records this worker holds.
  HWND owner = application_.Window().Handle();
  ui::RunOnUi(
      [owner, text] { MessageBoxW(owner, Wide(text).c_str(), Wide("寿辰备忘录").c_str(), MB_OK); });
}

ProgramRecords::ProgramRecords(Application& application, const std::string& programDirectory)
    : programDirectory_(programDirectory),
      errors_(application),
      repository_(errors_),
      friendList_(application.Window().FriendList()),
      upcomingList_(application.Window().UpcomingList()),
      records_{repository_, friendList_, application.Window().Status(), application.Settings(), {}},
      report_{upcomingList_, application.Settings(), application.Window().ReportView(), application,
              ReportFilePath(programDirectory)} {}

void ProgramRecords::Use(const std::function<void(RecordsContext&)>& work) {
  std::lock_guard<std::recursive_mutex> lock(inUse_);
  work(records_);
}

void ProgramRecords::AttachHooks(Application& application) {
  ProgramHooks& hooks = application.hooks;
  hooks.openBirthdayDatabase = [this] {
    Use([this](RecordsContext& records) { records.repository.Open(programDirectory_); });
  };
  hooks.loadFriendList = [this](int sortCode) {
    int count = 0;
    Use([sortCode, &count](RecordsContext& records) { count = LoadFriendList(records, sortCode); });
    return count;
  };
  hooks.recomputeUpcoming = [this] {
    Use([this](RecordsContext& records) { RecomputeUpcoming(records.friends, report_); });
  };
  // On the user-interface thread: the friend is taken from the list view's row, then found
  // in the records, which waits at most for the end of the worker's current task.
  hooks.showRowSummary = [this, &application](int row) {
    const int64_t rowid = application.Window().FriendList().IdAt(row);
    Use([rowid](RecordsContext& records) { ShowRowSummary(records, rowid); });
  };
  // The user's greetings file is read at each copy, so that an edit of it counts at once.
  hooks.copyGreeting = [this, &application](int64_t rowid) {
    std::string greeting;
    Use([this, rowid, &greeting](RecordsContext& records) {
      if (const Friend* person = FindFriend(records, rowid)) {
        greeting = GreetingFor(*person, TodayNow(), ChosenAgeForm(records.settings),
                               GreetingsBeside(programDirectory_));
      }
    });
    if (greeting.empty()) return;
    const bool copied = CopyToClipboard(application.Window().Handle(), greeting);
    application.Window().Status().SetPartText(kGreetingPart,
                                              copied ? "已复制祝福语" : "无法打开剪贴板");
  };
}

}  // namespace memo
