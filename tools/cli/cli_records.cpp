// The friend list of a data folder on the command line, as the program builds it from
// FOLDER/config.mdb (created empty when missing):
//   list --db DIR [--sort CODE] [--age FORM] [--find TEXT] [--numbers]
//                                          the friend list, seven columns a line; only the
//                                          friends the search box finds with TEXT; with
//                                          --numbers each line starts with the ROW that
//                                          greeting and delete take
//   upcoming --db DIR [--days N] [--age FORM]
//                                          the upcoming list after the upcoming pass
//   report --db DIR [--days N] [--age FORM] [--out FILE]
//                                          writes the page (default DIR/最近生日.html) and
//                                          prints the tray tip, its CR LF as line breaks
//   greeting --db DIR ROW [--age FORM]     the greeting "复制祝福语" copies for a row, from
//                                          DIR/祝福语.txt when there is one
//   add --db DIR NAME BIRTHDAY-TEXT solar|lunar [CONTACT]
//                                          stores a friend as the add window does and
//                                          prints its list row once it is stored; a text
//                                          that names no date (for a lunar one: no day of
//                                          lunar 1901..2048) ends the command with 2
//   delete --db DIR ROW...                 deletes friend-list rows (from 0, stored order)
// Lists are in stored order unless --sort says otherwise; ages are shown in the FORM 周岁
// (the default), 虚岁 or 两者. Data-access errors go to standard error and end the command
// with 1.
#include <algorithm>

#include "cli.h"
#include "reckoning/lunar_days.h"
#include "report/greetings.h"
#include "settings/settings_names.h"
#include "text/text_operations.h"
#include "window_logic/friend_editing.h"
#include "window_logic/friend_list.h"
#include "window_logic/friend_list_search.h"
#include "window_logic/upcoming_report.h"

namespace memo::cli {
namespace {

struct NoStatusBar : StatusBar {
  void SetPartText(int, const std::string&) override {}
};

struct NoReportView : ReportView {
  void ShowReport(const std::string&) override {}
};

struct KeptTip : TrayNotifier {
  void SetTip(const std::string& text) override { tip = text; }
  void ShowBalloon(const std::string&, const std::string&, int, int, bool) override {}
  std::string tip;
};

// The program's parts for one data folder, without windows.
struct Session {
  PrintedErrors errors;
  FriendRepository repository{errors};
  MemoryFriendList friendList;
  MemoryUpcomingList upcomingList;
  NoStatusBar statusBar;
  MemorySettingsStore settings;
  NoReportView reportView;
  KeptTip tray;
  RecordsContext records{repository, friendList, statusBar, settings, {}};
  ReportContext report{upcomingList, settings, reportView, tray, ""};

  // Opens the folder's database and loads the friend list.
  bool Load(const std::string& directory, int sortCode = 0) {
    report.reportPath = ReportFilePath(directory);
    if (!repository.Open(directory)) return false;
    LoadFriendList(records, sortCode);
    return errors.count == 0;
  }
  int ExitCode() const { return errors.count == 0 ? 0 : 1; }
};

// Takes "--db DIR" and the integer option `name` (when given); false on a bad value.
bool TakeCommon(Arguments& args, std::string& directory, const char* name, int& value) {
  bool ok = true;
  directory = TakeOption(args, "--db", "", ok);
  if (name) {
    const std::string text = TakeOption(args, name, "", ok);
    if (!text.empty() && !ReadInteger(text, value)) ok = false;
  }
  return ok && !directory.empty();
}

// Takes "--age FORM" into the session's settings, as the settings window stores it; false for
// an unknown form.
bool TakeAgeForm(Arguments& args, Session& session) {
  static const char* const kFormNames[] = {"周岁", "虚岁", "两者"};
  bool ok = true;
  const std::string name = TakeOption(args, "--age", kFormNames[0], ok);
  const auto* const found = std::find(std::begin(kFormNames), std::end(kFormNames), name);
  if (!ok || found == std::end(kFormNames)) return false;
  session.settings.WriteNumber(kAgeSetting, static_cast<int>(found - std::begin(kFormNames)));
  return true;
}

void PrintCells(const std::vector<std::string>& cells, const std::string& lead = "") {
  std::string line = lead + cells.front();
  for (size_t c = 1; c < cells.size(); ++c) line += "\t" + cells[c];
  PrintLine(line);
}

// The rows greeting and delete take count the friends in stored order, which is rowid order,
// whatever order the list is shown in.
std::string StoredRowLead(const std::vector<int64_t>& storedRowids, int64_t rowid) {
  const auto found = std::lower_bound(storedRowids.begin(), storedRowids.end(), rowid);
  return NumberToText(static_cast<int>(found - storedRowids.begin())) + "\t";
}

int ListCommand(const Arguments& input) {
  Arguments args = input;
  std::string directory;
  int sortCode = 0;
  bool ok = true;
  const std::string find = TakeOption(args, "--find", "", ok);
  const bool numbers = TakeFlag(args, "--numbers");
  Session session;
  if (!TakeCommon(args, directory, "--sort", sortCode) || !TakeAgeForm(args, session) || !ok ||
      !args.empty()) {
    return Usage();
  }
  if (!session.Load(directory, sortCode)) return 1;
  SearchFriendList(session.records, find);
  std::vector<int64_t> storedRowids;
  for (const Friend& person : session.records.friends) storedRowids.push_back(person.rowid);
  std::sort(storedRowids.begin(), storedRowids.end());
  for (const MemoryFriendList::Row& row : session.friendList.ShownRows()) {
    PrintCells(row.cells, numbers ? StoredRowLead(storedRowids, row.rowid) : "");
  }
  return 0;
}

// Loads the folder, with the window of --days for the upcoming pass.
bool PrepareUpcoming(Arguments& args, Session& session, bool& usage) {
  std::string directory;
  int days = kDefaultDaysAhead;
  usage = !TakeCommon(args, directory, "--days", days) || !TakeAgeForm(args, session);
  if (usage) return false;
  session.settings.WriteNumber(kDaysSetting, days);
  return session.Load(directory);
}

int UpcomingCommand(const Arguments& input) {
  Arguments args = input;
  Session session;
  bool usage = false;
  if (!PrepareUpcoming(args, session, usage) || !args.empty()) return usage ? Usage() : 1;
  for (const UpcomingEntry& entry :
       UpcomingEntries(session.records.friends, TodayNow(), DaysAheadSetting(session.settings),
                       ChosenAgeForm(session.settings))) {
    PrintCells(UpcomingCells(entry));
  }
  return 0;
}

int ReportCommand(const Arguments& input) {
  Arguments args = input;
  bool ok = true;
  const std::string out = TakeOption(args, "--out", "", ok);
  Session session;
  bool usage = !ok;
  if (usage || !PrepareUpcoming(args, session, usage) || !args.empty()) {
    return usage ? Usage() : 1;
  }
  if (!out.empty()) session.report.reportPath = out;
  RecomputeUpcoming(session.records.friends, session.report);
  std::string tip = ReplaceText(session.tray.tip, "\r\n", "\n");
  if (!tip.empty() && tip.back() == '\n') tip.pop_back();
  PrintLine(tip);
  return 0;
}

// The birthday a typed text enters, as the add window would store it: a solar text must be a
// date, a lunar one a day that exists in lunar 1901..2048, the leap mark only on that
// year's leap month.
std::optional<Birthday> EnteredBirthday(const std::string& text, bool lunar, std::string& refusal) {
  refusal = "不是日期：" + text;
  if (!lunar) {
    const std::optional<DateTime> date = ParseDateText(ReplaceText(text, kLeapMonthMark, ""));
    return date ? SolarBirthdayOfDate(*date) : std::nullopt;
  }
  const Birthday read = ReadBirthday(text, true);
  if (!read.ok()) return std::nullopt;
  if (!IsLunarDate(read.year, read.month, read.day, read.leap)) {
    refusal = "农历1901年至2048年间没有这一天：" + text;
    return std::nullopt;
  }
  return BirthdayOf(true, read.year, read.month, read.day, read.leap);
}

int AddCommand(const Arguments& input) {
  Arguments args = input;
  std::string directory;
  int unused = 0;
  if (!TakeCommon(args, directory, nullptr, unused) || args.size() < 3 || args.size() > 4 ||
      (args[2] != "solar" && args[2] != "lunar")) {
    return Usage();
  }
  std::string refusal;
  const std::optional<Birthday> birthday = EnteredBirthday(args[1], args[2] == "lunar", refusal);
  if (!birthday) {
    PrintError(refusal);
    return 2;
  }
  Session session;
  if (!session.Load(directory)) return 1;
  const Friend person{0, args[0], *birthday, args.size() == 4 ? args[3] : ""};
  if (!AddFriend(session.records, person)) return 1;
  PrintCells(session.friendList.rows.back().cells);
  return 0;
}

// Reads ROW (from 0, stored order) as a row of the loaded list; prints why not.
const Friend* FriendOfRow(const Session& session, int row) {
  const std::vector<Friend>& friends = session.records.friends;
  if (row >= 0 && row < static_cast<int>(friends.size())) return &friends[row];
  PrintError("没有这一行：" + NumberToText(row));
  return nullptr;
}

int GreetingCommand(const Arguments& input) {
  Arguments args = input;
  std::string directory;
  int row = 0, unused = 0;
  Session session;
  if (!TakeCommon(args, directory, nullptr, unused) || !TakeAgeForm(args, session) ||
      args.size() != 1 || !ReadInteger(args[0], row)) {
    return Usage();
  }
  if (!session.Load(directory)) return 1;
  const Friend* person = FriendOfRow(session, row);
  if (!person) return 1;
  PrintLine(GreetingFor(*person, TodayNow(), ChosenAgeForm(session.settings),
                        GreetingsBeside(directory)));
  return 0;
}

// Rows count from 0 in stored order.
int DeleteCommand(const Arguments& input) {
  Arguments args = input;
  std::string directory;
  int unused = 0;
  if (!TakeCommon(args, directory, nullptr, unused) || args.empty()) return Usage();
  std::vector<int> rows;
  for (const std::string& text : args) {
    int row = 0;
    if (!ReadInteger(text, row)) return Usage();
    rows.push_back(row);
  }
  std::sort(rows.begin(), rows.end());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  Session session;
  if (!session.Load(directory)) return 1;
  if (!FriendOfRow(session, rows.front()) || !FriendOfRow(session, rows.back())) return 1;
  std::vector<int64_t> rowids;
  for (int row : rows) rowids.push_back(session.records.friends[row].rowid);
  DeleteFriends(session.records, rowids);
  return session.ExitCode();
}

const CommandRegistrar list("list",
                            "list --db DIR [--sort CODE] [--age 周岁|虚岁|两者] [--find TEXT] "
                            "[--numbers]",
                            ListCommand);
const CommandRegistrar upcoming("upcoming", "upcoming --db DIR [--days N] [--age 周岁|虚岁|两者]",
                                UpcomingCommand);
const CommandRegistrar report("report",
                              "report --db DIR [--days N] [--age 周岁|虚岁|两者] [--out FILE]",
                              ReportCommand);
const CommandRegistrar greeting("greeting", "greeting --db DIR ROW [--age 周岁|虚岁|两者]",
                                GreetingCommand);
const CommandRegistrar add("add", "add --db DIR NAME BIRTHDAY-TEXT solar|lunar [CONTACT]",
                           AddCommand);
const CommandRegistrar deleteRows("delete", "delete --db DIR ROW...", DeleteCommand);

}  // namespace
}  // namespace memo::cli
