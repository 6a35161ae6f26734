// 导入… 导出… 备份数据… 恢复备份…: the exchange commands as items of a pop-up menu, after a
// separator, and the dispatch of their codes. The friend list's right-click menu holds them; any
// other menu of the program (the tray icon's) takes them the same way.
#pragma once

#include <vector>

#include "ui/design.h"

namespace memo::ui {

// Leaf codes of the items; far from the sort codes 0 to 7 that share the friend list's menu.
enum ExchangeMenuCode : int { kImportCode = 100, kExportCode, kBackupCode, kRestoreCode };

class ExchangeOperations {
 public:
  virtual ~ExchangeOperations() = default;
  virtual void OnImport() = 0;
  virtual void OnExport() = 0;
  virtual void OnBackup() = 0;
  virtual void OnRestore() = 0;
};

// Appends a separator and the four items at `level`: after 排序方式 in the friend list's
// menu, between 设置… and 退出 in the tray icon's.
void AppendExchangeItems(std::vector<MenuItemDesign>& menu, int level);

// Runs the command of a chosen code; false when the code is none of the four.
bool RunExchangeMenuCode(int code, ExchangeOperations& operations);

}  // namespace memo::ui
