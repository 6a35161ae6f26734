#include "ui/file_dialogs.h"

#include <commdlg.h>

#include <vector>

#include "text/win32/wide_text.h"

namespace memo::ui {
namespace {

// A filter of the dialogs: what the type list shows and its pattern; the first pattern's
// extension is the type's own.
struct FileType {
  const char* caption;
  const char* pattern;
};

const FileType kExportTypes[] = {
    {"日历文件 (*.ics)", "*.ics"},
    {"通讯录 (*.vcf)", "*.vcf"},
    {"表格 (*.csv)", "*.csv"},
};
const ExchangeFormat kExportFormats[] = {ExchangeFormat::kCalendar, ExchangeFormat::kVCard,
                                         ExchangeFormat::kCsv};
const FileType kImportTypes[] = {
    {"通讯录、表格和备份 (*.vcf; *.csv; *.mdb)", "*.vcf;*.csv;*.mdb"},
    {"通讯录 (*.vcf)", "*.vcf"},
    {"表格 (*.csv)", "*.csv"},
    {"备份 (*.mdb)", "*.mdb"},
    {"所有文件 (*.*)", "*.*"},
};
const FileType kBackupTypes[] = {{"备份 (*.mdb)", "*.mdb"}};

constexpr DWORD kPathCharacters = 32768;

// The folder of the last chosen file, for the next dialog.
std::wstring& LastFolder() {
  static std::wstring folder;
  return folder;
}

template <size_t N>
std::wstring FilterText(const FileType (&types)[N]) {
  std::wstring filter;
  for (const FileType& type : types) {
    filter += Wide(type.caption) + L'\0' + Wide(type.pattern) + L'\0';
  }
  return filter + L'\0';
}

// Runs a dialog; the chosen path and the 1-based index of the chosen type, or nothing.
template <size_t N>
std::optional<std::pair<std::wstring, DWORD>> RunDialog(HWND owner, const FileType (&types)[N],
                                                        const std::string& suggestedName,
                                                        bool save) {
  const std::wstring filter = FilterText(types);
  std::vector<wchar_t> path(kPathCharacters, L'\0');
  const std::wstring suggested = Wide(suggestedName);
  suggested.copy(path.data(), path.size() - 1);
  OPENFILENAMEW dialog = {};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = filter.c_str();
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = path.data();
  dialog.nMaxFile = kPathCharacters;
  dialog.lpstrInitialDir = LastFolder().empty() ? nullptr : LastFolder().c_str();
  dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST |
                 (save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
  const BOOL chosen = save ? GetSaveFileNameW(&dialog) : GetOpenFileNameW(&dialog);
  if (!chosen) return std::nullopt;
  std::wstring file(path.data());
  LastFolder() = file.substr(0, dialog.nFileOffset);
  return std::make_pair(file, dialog.nFilterIndex);
}

// The path with the type's extension, added when the name ends with another one or none.
std::wstring WithExtension(const std::wstring& path, const FileType& type) {
  const std::wstring extension = Wide(type.pattern + 1);  // "*.ics" without the star
  const bool has = path.size() >= extension.size() &&
                   CompareStringOrdinal(path.c_str() + path.size() - extension.size(),
                                        static_cast<int>(extension.size()), extension.c_str(),
                                        static_cast<int>(extension.size()), TRUE) == CSTR_EQUAL;
  return has ? path : path + extension;
}

}  // namespace

std::optional<ExportTarget> ChooseExportFile(HWND owner) {
  const auto chosen = RunDialog(owner, kExportTypes, "好友生日", true);
  if (!chosen) return std::nullopt;
  const size_t type =
      chosen->second >= 1 && chosen->second <= std::size(kExportTypes) ? chosen->second - 1 : 0;
  return ExportTarget{Gb18030(WithExtension(chosen->first, kExportTypes[type])),
                      kExportFormats[type]};
}

std::optional<std::string> ChooseImportFile(HWND owner) {
  const auto chosen = RunDialog(owner, kImportTypes, "", false);
  if (!chosen) return std::nullopt;
  return Gb18030(chosen->first);
}

std::optional<std::string> ChooseRestoreFile(HWND owner) {
  const auto chosen = RunDialog(owner, kBackupTypes, "", false);
  if (!chosen) return std::nullopt;
  return Gb18030(chosen->first);
}

std::optional<std::string> ChooseBackupFile(HWND owner, const std::string& suggestedName) {
  const auto chosen = RunDialog(owner, kBackupTypes, suggestedName, true);
  if (!chosen) return std::nullopt;
  return Gb18030(WithExtension(chosen->first, kBackupTypes[0]));
}

}  // namespace memo::ui
