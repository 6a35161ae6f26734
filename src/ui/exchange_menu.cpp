#include "ui/exchange_menu.h"

namespace memo::ui {

void AppendExchangeItems(std::vector<MenuItemDesign>& menu, int level) {
  menu.insert(menu.end(), {{level, nullptr, kNoMenuCode},
                           {level, "导入…", kImportCode},
                           {level, "导出…", kExportCode},
                           {level, "备份数据…", kBackupCode},
                           {level, "恢复备份…", kRestoreCode}});
}

bool RunExchangeMenuCode(int code, ExchangeOperations& operations) {
  switch (code) {
    case kImportCode:
      operations.OnImport();
      return true;
    case kExportCode:
      operations.OnExport();
      return true;
    case kBackupCode:
      operations.OnBackup();
      return true;
    case kRestoreCode:
      operations.OnRestore();
      return true;
    default:
      return false;
  }
}

}  // namespace memo::ui
