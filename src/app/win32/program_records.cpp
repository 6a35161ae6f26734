#include "app/win32/program_records.h"

#include <windows.h>

#include "app/win32/clipboard.h"
#include "reckoning/today.h"
#include "records/backup_name.h"
#include "records/friend_groups.h"
#include "report/greetings.h"
#include "settings/settings_names.h"
#include "text/win32/wide_text.h"
#include "ui/ui_thread.h"
#include "window_logic/friend_list.h"
#include "window_logic/friend_list_search.h"

namespace memo {

void MessageBoxErrorReporter::ShowError(const std::string& text) {
  // Waiting here on the worker could stop the program: the user-interface thread may be
  // waiting for the records this worker holds.
  HWND owner = window_.Handle();
  ui::RunOnUi(
      [owner, text] { MessageBoxW(owner, Wide(text).c_str(), Wide("寿辰备忘录").c_str(), MB_OK); });
}

ProgramRecords::ProgramRecords(ui::MainWindow& window, SettingsStore& settings, TrayNotifier& tray,
                               BackgroundWorker& worker, const std::string& programDirectory)
    : programDirectory_(programDirectory),
      window_(window),
      worker_(worker),
      errors_(window),
      repository_(errors_),
      friendList_(window.FriendList()),
      upcomingList_(window.UpcomingList()),
      records_{repository_, friendList_, window.Status(), settings, {}},
      report_{upcomingList_, settings, window.ReportView(), tray,
              ReportFilePath(programDirectory)} {}

void ProgramRecords::Use(const std::function<void(RecordsContext&)>& work) {
  std::lock_guard<std::recursive_mutex> lock(inUse_);
  work(records_);
}

void ProgramRecords::Queue(std::function<void(RecordsContext&)> work) {
  worker_.Post([this, work] { Use(work); });
}

void ProgramRecords::Open() {
  // The safety copies of restores are written here; one killed on the way is no use.
  RemoveLeftoverCopies(programDirectory_);
  Use([this](RecordsContext& records) { records.repository.Open(programDirectory_); });
}

int ProgramRecords::LoadFriendList(int sortCode) {
  int count = 0;
  Use([sortCode, &count](RecordsContext& records) {
    count = memo::LoadFriendList(records, sortCode);
  });
  return count;
}

void ProgramRecords::StartUpcomingPass() {
  Queue([this](RecordsContext& records) { RecomputeUpcoming(records.friends, report_); });
}

void ProgramRecords::ReloadFriends() {
  // The load brings the status bar up to the list: the record count and pane 0.
  Queue([](RecordsContext& records) {
    memo::LoadFriendList(records, records.settings.ReadNumber(kSortSetting));
  });
  StartUpcomingPass();
}

void ProgramRecords::OnSortMenu(SortCode code) {
  memo::OnSortMenu(records_, static_cast<int>(code), [this](std::function<void()> reload) {
    Queue([reload](RecordsContext&) { reload(); });
  });
}

void ProgramRecords::OnSearchText(const std::string& text) {
  // In turn with the loads and changes of the list, which the search follows.
  Queue([text](RecordsContext& records) { SearchFriendList(records, text); });
}

std::vector<std::string> ProgramRecords::GroupFilterChoices() {
  std::vector<std::string> choices = {kAllGroups};
  Use([&choices](RecordsContext& records) {
    for (std::string& group : GroupChoices(records.friends)) choices.push_back(std::move(group));
  });
  choices.push_back(kNoGroup);
  return choices;
}

void ProgramRecords::OnGroupFilter(const std::string& group) {
  Queue([group](RecordsContext& records) { FilterFriendListByGroup(records, group); });
}

SortCode ProgramRecords::CurrentSortCode() {
  return ChosenSortCode(records_.settings);
}

void ProgramRecords::OnFriendRowChanged(int row) {
  // The friend is taken from the list view's row, then found in the records, which waits at
  // most for the end of the worker's current task.
  const int64_t rowid = window_.FriendList().IdAt(row);
  Use([rowid](RecordsContext& records) { memo::ShowRowSummary(records, rowid); });
}

void ProgramRecords::OnCopyGreeting(int64_t rowid) {
  if (rowid == 0) return;
  // The user's greetings file is read at each copy, so that an edit of it counts at once.
  std::string greeting;
  Use([this, rowid, &greeting](RecordsContext& records) {
    if (const Friend* person = FindFriend(records, rowid)) {
      greeting = GreetingFor(*person, TodayNow(), ChosenAgeForm(records.settings),
                             GreetingsBeside(programDirectory_));
    }
  });
  if (greeting.empty()) return;
  const bool copied = CopyToClipboard(window_.Handle(), greeting);
  window_.Status().SetPartText(kGreetingPart, copied ? "已复制祝福语" : "无法打开剪贴板");
}

}  // namespace memo
