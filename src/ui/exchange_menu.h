// 导入… 导出… 备份数据…: the exchange commands as items of a pop-up menu, after a separator,
// and the dispatch of their codes. The friend list's right-click menu holds them; any other
// menu of the program (the tray icon's) takes them the same way.
#pragma once

#include <cstddef>
#include <vector>

#include "ui/design.h"

namespace memo::ui {

// Leaf codes of the items; far from the sort codes 0 to 7 that share the friend list's menu.
enum ExchangeMenuCode : int { kImportCode = 100, kExportCode, kBackupCode };

class ExchangeOperations {
 public:
  virtual ~ExchangeOperations() = default;
  virtual void OnImport() = 0;
  virtual void OnExport() = 0;
  virtual void OnBackup() = 0;
};

// The menu's items followed by a separator and the three items, at `level`.
std::vector<MenuItemDesign> WithExchangeItems(const MenuItemDesign* items, size_t count, int level);

// Runs the command of a chosen code; false when the code is none of the three.
bool RunExchangeMenuCode(int code, ExchangeOperations& operations);

}  // namespace memo::ui
