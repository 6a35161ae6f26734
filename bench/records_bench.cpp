// The start-up path over a real SQLite file: loading the friend list, the upcoming pass
// (days for every friend, lunar ones through the engine) and the page, for 1,000 to
// 100,000 friends of whom half keep a lunar birthday; and, as the floor any loading stands
// on, SQLite's own walk over the same rows.
#include <benchmark/benchmark.h>
#include <sqlite3.h>
#include <unistd.h>

#include <filesystem>
#include <map>
#include <random>
#include <string>

#include "datetime/clock.h"
#include "datetime/local_minute.h"
#include "records/friend_repository.h"
#include "records/friend_search.h"
#include "records/gbk_collation.h"
#include "text/text_codec.h"
#include "window_logic/friend_list.h"
#include "window_logic/reminder_rules.h"
#include "window_logic/upcoming_report.h"

namespace memo {
namespace {

struct NoErrors : ErrorReporter {
  void ShowError(const std::string& text) override { std::fprintf(stderr, "%s\n", text.c_str()); }
};
struct NoStatusBar : StatusBar {
  void SetPartText(int, const std::string&) override {}
};
struct NoReportView : ReportView {
  void ShowReport(const std::string&) override {}
};
// The list views' own copies of the rows are the window's work, not the data path's.
struct NoFriendList : FriendListView {
  void ShowFriends(const std::vector<Friend>&, const TodayDates&, AgeForm) override {}
  void PutFriend(int64_t, const Friend&, const TodayDates&, AgeForm) override {}
  void ShowOnly(std::vector<uint32_t>) override {}
  void ShowAll() override {}
  void RemoveFriends(const std::vector<int64_t>&) override {}
};
struct NoUpcomingList : UpcomingListView {
  void ShowEntries(const std::vector<UpcomingEntry>& entries) override { count = entries.size(); }
  size_t count = 0;
};
struct NoTray : TrayNotifier {
  void SetTip(const std::string&) override {}
  void ShowBalloon(const std::string&, const std::string&, int, int, bool) override {}
};

// Folders with config.mdb holding a number of friends, made once per size and removed
// when the benchmarks end.
class BenchFolders {
 public:
  ~BenchFolders() {
    for (const auto& [count, folder] : folders_) std::filesystem::remove_all(folder);
  }
  std::string With(int count) {
    auto found = folders_.find(count);
    if (found != folders_.end()) return found->second;
    return folders_[count] = Make(count);
  }

 private:
  static std::string Make(int count);
  std::map<int, std::string> folders_;
};

std::string FolderWithFriends(int count) {
  static BenchFolders folders;
  return folders.With(count);
}

std::string BenchFolders::Make(int count) {
  std::string pattern = (std::filesystem::temp_directory_path() / "memo-bench-XXXXXX").string();
  const std::string folder = mkdtemp(pattern.data());
  {
    NoErrors errors;
    FriendRepository repository(errors);
    repository.Open(folder);  // creates the file and the table
  }
  sqlite3* connection = nullptr;
  sqlite3_open((folder + "/config.mdb").c_str(), &connection);
  RegisterGbkCollation(connection);
  sqlite3_exec(connection, "begin", nullptr, nullptr, nullptr);
  sqlite3_stmt* insert = nullptr;
  sqlite3_prepare_v2(connection,
                     u8"insert into 生日 (姓名, 生日, 提醒方式, 联系方式) values (?, ?, ?, ?)", -1,
                     &insert, nullptr);
  std::mt19937 random(count);
  const std::u16string given = u"伟芳娜敏静丽强磊军洋勇艳杰娟涛明超秀霞平刚桂英华玉兰";
  const std::u16string family = u"王李张刘陈杨黄赵吴周徐孙马朱胡郭何高林罗郑梁谢宋唐许韩冯邓曹";
  for (int i = 0; i < count; ++i) {
    std::u16string name(1, family[random() % family.size()]);
    for (unsigned n = 0; n < 1 + random() % 2; ++n) name += given[random() % given.size()];
    const bool lunar = i % 2 == 1;
    const int year = 1940 + random() % 70, month = 1 + random() % 12;
    const int day = 1 + random() % (lunar ? 30 : 28);
    std::string birthday = std::to_string(year) + u8"年" + std::to_string(month) + u8"月" +
                           std::to_string(day) + u8"日";
    if (lunar && random() % 30 == 0) birthday += u8"[闰月]";
    const std::string phone = "13" + std::to_string(100000000 + random() % 900000000);
    const std::string utf8Name = Gb18030ToUtf8(Utf16ToGb18030(name));
    sqlite3_bind_text(insert, 1, utf8Name.c_str(), -1, SQLITE_TRANSIENT);
    sqlite3_bind_text(insert, 2, birthday.c_str(), -1, SQLITE_TRANSIENT);
    sqlite3_bind_int(insert, 3, lunar ? 1 : 0);
    sqlite3_bind_text(insert, 4, phone.c_str(), -1, SQLITE_TRANSIENT);
    sqlite3_step(insert);
    sqlite3_reset(insert);
  }
  sqlite3_finalize(insert);
  sqlite3_exec(connection, "commit", nullptr, nullptr, nullptr);
  sqlite3_close(connection);
  return folder;
}

// The program's parts over one folder, the clock on a fixed day.
struct Program {
  explicit Program(const std::string& folder) {
    FixClock(MakeDateTime(2013, 4, 30));
    repository.Open(folder);
  }
  NoErrors errors;
  FriendRepository repository{errors};
  NoFriendList friends;
  NoUpcomingList upcoming;
  NoStatusBar statusBar;
  MemorySettingsStore settings;
  NoReportView reportView;
  NoTray tray;
  RecordsContext records{repository, friends, statusBar, settings, {}};
  ReportContext report{upcoming, settings, reportView, tray, ""};
};

void LoadCountAndPage(benchmark::State& state) {
  const std::string folder = FolderWithFriends(static_cast<int>(state.range(0)));
  Program program(folder);
  program.report.reportPath = ReportFilePath(folder);
  for (auto _ : state) {
    LoadFriendList(program.records, 0);
    RecomputeUpcoming(program.records.friends, program.report);
  }
  state.counters["upcoming"] = static_cast<double>(program.upcoming.count);
  state.SetComplexityN(state.range(0));
}

void LoadFriendListSorted(benchmark::State& state) {
  Program program(FolderWithFriends(static_cast<int>(state.range(0))));
  const int sortCode = static_cast<int>(state.range(1));
  for (auto _ : state) LoadFriendList(program.records, sortCode);
  state.SetComplexityN(state.range(0));
}

void UpcomingPassOnly(benchmark::State& state) {
  const std::string folder = FolderWithFriends(static_cast<int>(state.range(0)));
  Program program(folder);
  program.report.reportPath = ReportFilePath(folder);
  LoadFriendList(program.records, 0);
  for (auto _ : state) RecomputeUpcoming(program.records.friends, program.report);
  state.SetComplexityN(state.range(0));
}

// Every row and column of the table stepped over as SQLite hands it out, converted to
// nothing: what any load costs at least.
void BareScan(benchmark::State& state) {
  const std::string folder = FolderWithFriends(static_cast<int>(state.range(0)));
  sqlite3* connection = nullptr;
  sqlite3_open((folder + "/config.mdb").c_str(), &connection);
  RegisterGbkCollation(connection);
  sqlite3_stmt* select = nullptr;
  sqlite3_prepare_v2(connection, u8"select rowid, 姓名, 生日, 提醒方式, 联系方式 from 生日", -1,
                     &select, nullptr);
  for (auto _ : state) {
    while (sqlite3_step(select) == SQLITE_ROW) {
      benchmark::DoNotOptimize(sqlite3_column_int(select, 0));
      benchmark::DoNotOptimize(sqlite3_column_text(select, 1));
      benchmark::DoNotOptimize(sqlite3_column_text(select, 2));
      benchmark::DoNotOptimize(sqlite3_column_int(select, 3));
      benchmark::DoNotOptimize(sqlite3_column_text(select, 4));
    }
    sqlite3_reset(select);
  }
  sqlite3_finalize(select);
  sqlite3_close(connection);
}

// One keystroke in the search box: the typed text made ready and held against every friend.
// The texts grow as a user types them, an initial, initials, pinyin, digits of a number.
void FindFriends(benchmark::State& state) {
  Program program(FolderWithFriends(static_cast<int>(state.range(0))));
  LoadFriendList(program.records, 0);
  const FriendSearchIndex index(program.records.friends);
  const char* const texts[] = {"z", "zw", "zhangw", "wangfang", "张", "1380"};
  size_t found = 0, typed = 0;
  for (auto _ : state) {
    found += index.Find(FriendQuery(texts[typed++ % std::size(texts)])).size();
  }
  state.counters["found"] = static_cast<double>(found) / static_cast<double>(typed);
}

// The keys searches read, made from the loaded friends.
void MakeSearchIndex(benchmark::State& state) {
  Program program(FolderWithFriends(static_cast<int>(state.range(0))));
  LoadFriendList(program.records, 0);
  for (auto _ : state) benchmark::DoNotOptimize(FriendSearchIndex(program.records.friends));
}

// The alerts due at a moment: every friend's occurrence and alert days at every tick, each
// due one held against the states, a state stored for every due alert at the moment before.
void DueReminders(benchmark::State& state) {
  Program program(FolderWithFriends(static_cast<int>(state.range(0))));
  LoadFriendList(program.records, 0);
  const std::vector<Friend>& friends = program.records.friends;
  const ReminderSettings settings{9 * 60, (1 << std::size(kAlertTickDays)) - 1};
  const int64_t now = MinuteNumberOf(MakeDateTime(2026, 3, 5, 10, 0));
  std::vector<AlertState> states;
  for (const DueAlert& alert : DueAlerts(friends, settings, AlertStateIndex({}), now - 1440))
    states.push_back(StateOf(friends[alert.friendIndex], alert, AlertAction::kShown));
  size_t due = 0;
  for (auto _ : state) due = DueAlerts(friends, settings, AlertStateIndex(states), now).size();
  state.counters["states"] = static_cast<double>(states.size());
  state.counters["due"] = static_cast<double>(due);
}

BENCHMARK(DueReminders)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(FindFriends)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(MakeSearchIndex)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(LoadCountAndPage)
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);
BENCHMARK(UpcomingPassOnly)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BareScan)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(LoadFriendListSorted)
    ->Args({100000, 0})
    ->Args({100000, 1})
    ->Args({100000, 3})
    ->Args({100000, 6})
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace memo
