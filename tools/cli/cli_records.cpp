// The friend list of a data folder on the command line, as the program builds it from
// FOLDER/config.mdb (created empty when missing):
//   list --db DIR [--sort CODE]            the friend list, five columns a line
//   upcoming --db DIR [--days N]           the upcoming list after the upcoming pass
//   report --db DIR [--days N] [--out FILE]
//                                          writes the page (default DIR/最近生日.html) and
//                                          prints the tray tip, its CR LF as line breaks
//   add --db DIR NAME BIRTHDAY-TEXT solar|lunar [CONTACT]
//                                          stores a friend as the add window does and
//                                          prints its list row
//   delete --db DIR ROW...                 deletes friend-list rows (from 0, stored order)
// Lists are in stored order unless --sort says otherwise. Data-access errors go to
// standard error and end the command with 1.
#include <algorithm>

#include "settings/settings_names.h"
#include "cli.h"
#include "datetime/gbk_text.h"
#include "reckoning/next_birthday.h"
#include "reckoning/upcoming_report.h"
#include "records/friend_editing.h"
#include "records/friend_list.h"
#include "records/upcoming_pass.h"

namespace memo::cli {
namespace {

struct PrintedErrors : ErrorReporter {
  void ShowError(const std::string& text) override {
    PrintError(text);
    ++count;
  }
  int count = 0;
};

struct NoStatusBar : StatusBar {
  void SetPartText(int, const std::string&) override {}
};

struct NoReportView : ReportView {
  void LoadPage(const std::string&) override {}
};

struct KeptTip : TrayNotifier {
  void SetTip(const std::string& text) override { tip = text; }
  void ShowBalloon(const std::string&, const std::string&, int, int, bool) override {}
  std::string tip;
};

// The program's parts for one data folder, without windows.
struct Session {
  PrintedErrors errors;
  BirthdayDatabase database{errors};
  MemoryTextRows friends{5};
  MemoryTextRows upcoming{6};
  NoStatusBar statusBar;
  MemorySettingsStore settings;
  NoReportView reportView;
  KeptTip tray;
  RecordsContext context{database, friends, upcoming, statusBar, settings, reportView, tray, ""};

  // Opens the folder's database and loads the friend list.
  bool Load(const std::string& directory, int sortCode = 0) {
    context.reportPath = ReportFilePath(directory);
    if (!database.OpenBirthdayDatabase(directory)) return false;
    LoadFriendList(context, sortCode);
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

void PrintRow(const TextRows& rows, int row, int columns) {
  std::string line = rows.Cell(row, 0);
  for (int c = 1; c < columns; ++c) line += "\t" + rows.Cell(row, c);
  PrintLine(line);
}

void PrintRows(const TextRows& rows, int columns) {
  for (int r = 0; r < rows.RowCount(); ++r) PrintRow(rows, r, columns);
}

int ListCommand(const Arguments& input) {
  Arguments args = input;
  std::string directory;
  int sortCode = 0;
  if (!TakeCommon(args, directory, "--sort", sortCode) || !args.empty()) return Usage();
  Session session;
  if (!session.Load(directory, sortCode)) return 1;
  PrintRows(session.friends, 5);
  return 0;
}

// Loads the folder and fills the upcoming list with the window of --days.
bool PrepareUpcoming(Arguments& args, Session& session, bool& usage) {
  std::string directory;
  int days = 10;
  usage = !TakeCommon(args, directory, "--days", days);
  if (usage) return false;
  session.settings.WriteNumber(DaysSetting, days);
  return session.Load(directory);
}

int UpcomingCommand(const Arguments& input) {
  Arguments args = input;
  Session session;
  bool usage = false;
  if (!PrepareUpcoming(args, session, usage) || !args.empty()) return usage ? Usage() : 1;
  FillUpcomingList(session.context);
  PrintRows(session.upcoming, 6);
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
  if (!out.empty()) session.context.reportPath = out;
  RecomputeUpcoming(session.context);
  std::string tip = ReplaceText(session.tray.tip, "\r\n", "\n");
  if (!tip.empty() && tip.back() == '\n') tip.pop_back();
  PrintLine(tip);
  return 0;
}

int AddCommand(const Arguments& input) {
  Arguments args = input;
  std::string directory;
  int unused = 0;
  if (!TakeCommon(args, directory, nullptr, unused) || args.size() < 3 || args.size() > 4 ||
      (args[2] != "solar" && args[2] != "lunar")) {
    return Usage();
  }
  const std::string& birthday = args[1];
  const bool leap = FindText(birthday, kLeapMonthMark) != -1;
  const DateTime date = DateFromText(ReplaceText(birthday, kLeapMonthMark, ""));
  if (date == MinDateTime) {
    PrintError("不是日期：" + birthday);
    return 2;
  }
  Session session;
  if (!session.Load(directory)) return 1;
  const int row = session.friends.AppendRow();
  SaveFriend(session.context, args[0], args[2] == "lunar", DatePart(date),
             args.size() == 4 ? args[3] : "", row, leap);
  PrintRow(session.friends, row, 5);
  return session.ExitCode();
}

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
  if (rows.front() < 0 || rows.back() >= session.friends.RowCount()) {
    PrintError("没有这一行：" + NumberToText(rows.front() < 0 ? rows.front() : rows.back()));
    return 1;
  }
  DeleteFriendRows(session.context, rows);
  return session.ExitCode();
}

const CommandRegistrar list("list", "list --db DIR [--sort CODE]", ListCommand);
const CommandRegistrar upcoming("upcoming", "upcoming --db DIR [--days N]", UpcomingCommand);
const CommandRegistrar report("report", "report --db DIR [--days N] [--out FILE]", ReportCommand);
const CommandRegistrar add("add", "add --db DIR NAME BIRTHDAY-TEXT solar|lunar [CONTACT]",
                           AddCommand);
const CommandRegistrar deleteRows("delete", "delete --db DIR ROW...", DeleteCommand);

}  // namespace
}  // namespace memo::cli
