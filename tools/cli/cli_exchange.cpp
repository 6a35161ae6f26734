// Friends in and out of a data folder on the command line:
//   export --db DIR --ics FILE [--years N] [--rules]
//                              the birthdays as a calendar: the events of this year and the
//                              next N-1 (21 years unless N is given) on the days this program
//                              counts, or with --rules one repeating event per friend
//   export --db DIR --vcf FILE contact cards for a phone
//   export --db DIR --csv FILE a spreadsheet
//   import --db DIR FILE [--dry-run] [--encoding utf-8|gb18030]
//                              contact cards, a spreadsheet or a backup, the kind told from
//                              the content: prints the summary, each friend to add ("+") and
//                              each refused entry ("!"); --dry-run stores nothing and names
//                              the encoding a text file was read in, which --encoding sets
//   backup --db DIR FILE       a consistent copy of DIR/config.mdb
// A refused file and data-access errors end the command with 1.
#include <optional>

#include "cli.h"
#include "exchange/export_file.h"
#include "exchange/import_plan.h"
#include "exchange/import_source.h"
#include "exchange/import_store.h"
#include "records/friend_repository.h"
#include "settings/settings_names.h"
#include "text/program_files.h"

namespace memo::cli {
namespace {

// The one file option given of --ics, --vcf and --csv, with its format.
bool TakeTarget(Arguments& args, std::string& path, ExchangeFormat& format, bool& ok) {
  const std::pair<const char*, ExchangeFormat> options[] = {{"--ics", ExchangeFormat::kCalendar},
                                                            {"--vcf", ExchangeFormat::kVCard},
                                                            {"--csv", ExchangeFormat::kCsv}};
  int given = 0;
  for (const auto& [name, optionFormat] : options) {
    const std::string value = TakeOption(args, name, "", ok);
    if (value.empty()) continue;
    path = value;
    format = optionFormat;
    ++given;
  }
  return given == 1;
}

int Export(const Arguments& given) {
  Arguments args = given;
  bool ok = true;
  const std::string directory = TakeOption(args, "--db", "", ok);
  const std::string yearsText = TakeOption(args, "--years", "", ok);
  CalendarOptions calendar;
  calendar.rules = TakeFlag(args, "--rules");
  std::string path;
  ExchangeFormat format = ExchangeFormat::kUnknown;
  const bool target = TakeTarget(args, path, format, ok);
  const std::optional<int> years =
      yearsText.empty() ? kDefaultCalendarYears : CalendarYearsOf(yearsText);
  const bool calendarOnly = calendar.rules || !yearsText.empty();
  if (!ok || !target || !args.empty() || directory.empty() || !years ||
      (calendarOnly && format != ExchangeFormat::kCalendar)) {
    return Usage();
  }
  PrintedErrors errors;
  FriendRepository repository(errors);
  std::vector<Friend> friends;
  if (!repository.Open(directory) || !repository.Load(SortCode::kStored, friends)) return 1;
  calendar.today = TodayNow();
  calendar.years = *years;
  calendar.stampUtc = CurrentUtcTime();
  const ExportedFile file = ExportFriends(friends, format, calendar);
  if (!WriteWholeFile(path, file.bytes)) {
    PrintError("无法写入文件：" + path);
    return 1;
  }
  PrintLine(file.summary);
  return 0;
}

// A preview names the encoding it read the file in; the import's report does not repeat it.
void PrintPlan(const ImportPlan& plan, bool done) {
  PrintLine(PlanSummary(plan, done));
  if (const std::string encoding = EncodingLine(plan); !done && !encoding.empty()) {
    PrintLine(encoding);
  }
  for (const ImportedFriend& addition : plan.additions) {
    PrintLine("+ " + PreviewLine(addition.person));
  }
  for (const Refusal& refusal : plan.refusals) PrintLine("! " + RefusalLine(refusal));
}

int Import(const Arguments& given) {
  Arguments args = given;
  bool ok = true;
  const std::string directory = TakeOption(args, "--db", "", ok);
  const bool dryRun = TakeFlag(args, "--dry-run");
  const std::string encodingName = TakeOption(args, "--encoding", "", ok);
  const std::optional<FileEncoding> encoding = EncodingNamed(encodingName);
  if (!ok || directory.empty() || args.size() != 1 || (!encodingName.empty() && !encoding)) {
    return Usage();
  }
  PrintedErrors errors;
  FriendRepository repository(errors);
  std::vector<Friend> stored;
  if (!repository.Open(directory) || !repository.Load(SortCode::kStored, stored)) return 1;
  const ImportRead read = ReadImportFile(args[0], encoding);
  ImportPlan plan = PlanImport(read, stored);
  if (!plan.failure.empty()) {
    PrintError(PlanSummary(plan, false));
    return 1;
  }
  if (dryRun) {
    PrintPlan(plan, false);
    return 0;
  }
  if (!StoreImport(repository, read, plan)) return 1;
  PrintPlan(plan, true);
  return 0;
}

int Backup(const Arguments& given) {
  Arguments args = given;
  bool ok = true;
  const std::string directory = TakeOption(args, "--db", "", ok);
  if (!ok || directory.empty() || args.size() != 1) return Usage();
  PrintedErrors errors;
  FriendRepository repository(errors);
  if (!repository.Open(directory) || !repository.BackupTo(args[0])) return 1;
  PrintLine("已备份到" + args[0]);
  return 0;
}

const CommandRegistrar exportCommand(
    "export",
    "export --db DIR (--ics FILE [--years N] [--rules] | --vcf FILE | --csv FILE)\n"
    "      --rules: one repeating event per friend; calendars that take the lunar ones\n"
    "      (RFC 7529, RSCALE=CHINESE) compute them with their own tables, which differ\n"
    "      from this program's in some months (for example in 2027 and 2030)",
    Export);
const CommandRegistrar importCommand("import",
                                     "import --db DIR FILE [--dry-run] [--encoding utf-8|gb18030]",
                                     Import);
const CommandRegistrar backupCommand("backup", "backup --db DIR FILE", Backup);

}  // namespace
}  // namespace memo::cli
