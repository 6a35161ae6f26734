// The standard open and save dialogs of the exchange commands. Each starts in the folder
// chosen last in any of them during this run. Paths are GBK, as every text of the program.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "exchange/file_format.h"

namespace memo::ui {

struct ExportTarget {
  std::string path;
  ExchangeFormat format;  // chosen by the file type: 日历文件, 通讯录 or 表格
};

// 导出…: the path ends with the chosen type's extension, added when it was not typed.
std::optional<ExportTarget> ChooseExportFile(HWND owner);
// 导入…: contact cards, spreadsheets, backups.
std::optional<std::string> ChooseImportFile(HWND owner);
// 备份数据…: where the copy of the database goes, offered under the suggested name (GBK).
std::optional<std::string> ChooseBackupFile(HWND owner, const std::string& suggestedName);
// 恢复备份…: the backup to restore.
std::optional<std::string> ChooseRestoreFile(HWND owner);

}  // namespace memo::ui
