#include "app/win32/exchange_commands.h"

#include <windows.h>

#include "app/win32/executable_path.h"
#include "datetime/clock.h"
#include "exchange/backup_restore.h"
#include "exchange/export_file.h"
#include "exchange/import_plan.h"
#include "exchange/import_source.h"
#include "exchange/import_store.h"
#include "records/backup_name.h"
#include "text/program_files.h"
#include "text/win32/wide_text.h"
#include "ui/calendar_export_window.h"
#include "ui/file_dialogs.h"
#include "window_logic/friend_list.h"
#include "window_logic/upcoming_report.h"

namespace memo {
namespace {

constexpr size_t kPreviewLines = 15;  // of each list; a message box shows no more well
constexpr char kImportCaption[] = "导入";
constexpr char kExportCaption[] = "导出";
constexpr char kBackupCaption[] = "备份数据";
constexpr char kRestoreCaption[] = "恢复备份";

// The first error of reading a backup, told in a message box of the command's own.
struct FirstError : ErrorReporter {
  void ShowError(const std::string& text) override {
    if (reason.empty()) reason = text;
  }
  std::string reason;
};

}  // namespace

int ExchangeCommands::Tell(const std::string& text, const char* caption, UINT style) {
  return MessageBoxW(main_.Handle(), Wide(text).c_str(), Wide(caption).c_str(), style);
}

bool ExchangeCommands::StoredFriends(std::vector<Friend>& friends) {
  bool read = false;
  records_.Use(
      [&](RecordsContext& records) { read = records.repository.Load(SortCode::kStored, friends); });
  return read;
}

ExchangeCommands::PreviewAnswer ExchangeCommands::AskAboutPreview(const ImportPlan& plan) {
  const std::string preview = PreviewText(plan, kPreviewLines);
  const bool any = !plan.additions.empty();
  if (!plan.encoding) {
    if (!any) {
      Tell(preview, kImportCaption, MB_OK | MB_ICONINFORMATION);
      return PreviewAnswer::kNothing;
    }
    return Tell(preview + "\r\n\r\n导入这些好友吗？", kImportCaption,
                MB_OKCANCEL | MB_ICONQUESTION) == IDOK
               ? PreviewAnswer::kImport
               : PreviewAnswer::kNothing;
  }
  // Wrong names are the sign of a wrong encoding: "否" reads the file in the other one.
  const std::string other = EncodingName(OtherEncoding(*plan.encoding));
  if (!any) {
    return Tell(preview + "\r\n\r\n改按" + other + "读取吗？", kImportCaption,
                MB_YESNO | MB_ICONQUESTION) == IDYES
               ? PreviewAnswer::kOtherEncoding
               : PreviewAnswer::kNothing;
  }
  switch (Tell(preview + "\r\n\r\n导入这些好友吗？选“否”改按" + other + "读取。", kImportCaption,
               MB_YESNOCANCEL | MB_ICONQUESTION)) {
    case IDYES:
      return PreviewAnswer::kImport;
    case IDNO:
      return PreviewAnswer::kOtherEncoding;
    default:
      return PreviewAnswer::kNothing;
  }
}

void ExchangeCommands::OnImport() {
  const std::optional<std::string> path = ui::ChooseImportFile(main_.Handle());
  if (!path) return;
  std::optional<FileEncoding> encoding;
  for (;;) {
    // The file is read before the records are taken, so that the worker never waits for it.
    const ImportRead read = ReadImportFile(*path, encoding);
    std::vector<Friend> stored;
    if (!StoredFriends(stored)) return;
    ImportPlan plan = PlanImport(read, stored);
    switch (AskAboutPreview(plan)) {
      case PreviewAnswer::kNothing:
        return;
      case PreviewAnswer::kOtherEncoding:
        encoding = OtherEncoding(*plan.encoding);
        continue;
      case PreviewAnswer::kImport:
        break;
    }
    bool storedAll = false;
    records_.Use(
        [&](RecordsContext& records) { storedAll = StoreImport(records.repository, read, plan); });
    if (!storedAll) return;
    main_.ShowPage(ui::kFriendListPage);
    records_.ReloadFriends();
    Tell(PlanSummary(plan, true), kImportCaption, MB_OK | MB_ICONINFORMATION);
    return;
  }
}

void ExchangeCommands::OnExport() {
  const std::optional<ui::ExportTarget> target = ui::ChooseExportFile(main_.Handle());
  if (!target) return;
  CalendarOptions calendar;
  if (target->format == ExchangeFormat::kCalendar) {
    ui::CalendarExportWindow step;
    const std::optional<ui::CalendarChoice> choice = step.Ask(main_.Handle());
    if (!choice) return;
    calendar.years = choice->years;
    calendar.rules = choice->rules;
  }
  calendar.today = TodayNow();
  calendar.ageForm = ChosenAgeForm(settings_);
  calendar.stampUtc = CurrentUtcTime();
  std::vector<Friend> friends;
  if (!StoredFriends(friends)) return;
  const ExportedFile file = ExportFriends(friends, target->format, calendar);
  if (!WriteWholeFile(target->path, file.bytes)) {
    Tell("无法写入文件：" + target->path, kExportCaption, MB_OK | MB_ICONERROR);
    return;
  }
  Tell(file.summary, kExportCaption, MB_OK | MB_ICONINFORMATION);
}

void ExchangeCommands::OnBackup() {
  const std::optional<std::string> path =
      ui::ChooseBackupFile(main_.Handle(), BackupFileName(Now()));
  if (!path) return;
  bool copied = false;
  records_.Use([&](RecordsContext& records) { copied = records.repository.BackupTo(*path); });
  if (copied) Tell("已备份到" + *path, kBackupCaption, MB_OK | MB_ICONINFORMATION);
}

void ExchangeCommands::OnRestore() {
  const std::optional<std::string> path = ui::ChooseRestoreFile(main_.Handle());
  if (!path) return;
  if (Tell("恢复备份会用备份里的好友替换现在的全部好友。现在的好友先另存一份备份。\r\n\r\n"
           "要恢复吗？",
           kRestoreCaption, MB_YESNO | MB_ICONQUESTION) != IDYES) {
    return;
  }
  const std::string safety = ProgramFilePath(ExecutableDirectory(), SafetyBackupFileName(Now()));
  FirstError unreadable;
  std::optional<RestoredBackup> restored;
  records_.Use([&](RecordsContext& records) {
    restored = RestoreBackup(records.repository, unreadable, *path, safety);
  });
  if (!unreadable.reason.empty()) {
    Tell("无法读取备份：" + unreadable.reason, kRestoreCaption, MB_OK | MB_ICONERROR);
  }
  if (!restored) return;
  friends_.ForgetDeletion();
  records_.ReloadFriends();
  Tell(RestoreSummary(*restored, safety, kPreviewLines), kRestoreCaption,
       MB_OK | MB_ICONINFORMATION);
}

}  // namespace memo
