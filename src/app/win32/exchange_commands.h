// The exchange commands of the program's menus, each through the standard file dialogs on
// the program's records: 导入… (a preview, then every friend or none stored), 导出… (the
// file type chooses the format; a calendar asks for its span first), 备份数据… and 恢复备份…
// (after a question, a copy of the friends beside the program, then the backup's friends).
#pragma once

#include "app/win32/friend_commands.h"
#include "app/win32/program_records.h"
#include "exchange/import_plan.h"
#include "settings/settings_store.h"
#include "ui/exchange_menu.h"
#include "ui/main_window.h"

namespace memo {

class ExchangeCommands : public ui::ExchangeOperations {
 public:
  // Each change of the friends reloads the friend list, then the upcoming pass; a restored
  // backup's friends replace every friend, so the last deletion can no longer be undone.
  ExchangeCommands(ProgramRecords& records, FriendCommands& friends, ui::MainWindow& main,
                   SettingsStore& settings)
      : records_(records), friends_(friends), main_(main), settings_(settings) {}

  void OnImport() override;
  void OnExport() override;
  void OnBackup() override;
  void OnRestore() override;

 private:
  enum class PreviewAnswer { kImport, kOtherEncoding, kNothing };
  // Shows the preview and asks whether to import, or to read a text file again in the
  // other encoding.
  PreviewAnswer AskAboutPreview(const ImportPlan& plan);
  // Every stored friend in stored order; false when the table cannot be read (reported).
  bool StoredFriends(std::vector<Friend>& friends);
  int Tell(const std::string& text, const char* caption, UINT style);

  ProgramRecords& records_;
  FriendCommands& friends_;
  ui::MainWindow& main_;
  SettingsStore& settings_;  // the age form of exported calendars
};

}  // namespace memo
