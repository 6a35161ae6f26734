// Controls of another process, read and set through memory in that process: the messages
// whose arguments are pointers carry addresses there.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

namespace wine_test {

// Memory in another process for the messages whose arguments are pointers.
class RemoteMemory {
 public:
  RemoteMemory(HANDLE process, size_t size);
  ~RemoteMemory();
  RemoteMemory(const RemoteMemory&) = delete;
  RemoteMemory& operator=(const RemoteMemory&) = delete;

  LPARAM At(size_t offset = 0) const;
  void Write(const void* data, size_t size, size_t offset = 0);
  void Read(void* data, size_t size, size_t offset = 0) const;
  std::wstring Text(size_t offset, size_t characters) const;

  // Room for a structure at the start and a text behind it.
  static constexpr size_t kTextOffset = 1024;
  static constexpr size_t kTextCharacters = 1024;
  static constexpr size_t kSize = kTextOffset + (kTextCharacters + 1) * sizeof(wchar_t);

 private:
  HANDLE process_;
  void* address_;
};

std::wstring StatusPartText(HANDLE process, HWND status, int part);
// The tip a status-bar part shows when it cuts its text short.
std::wstring StatusPartTip(HANDLE process, HWND status, int part);
std::vector<int> StatusPartEdges(HANDLE process, HWND status);
struct Column {
  std::wstring caption;
  int width;
};
std::vector<Column> ListColumns(HANDLE process, HWND list);
// The columns together fit the list's width: no horizontal scroll bar.
bool ColumnsFit(HANDLE process, HWND list);
std::wstring ListCell(HANDLE process, HWND list, int row, int column);
RECT ListRowRect(HANDLE process, HWND list, int row);  // in the list's client area
// All rows of a list view, each with its column texts.
using ListRows = std::vector<std::vector<std::wstring>>;
ListRows ReadListRows(HANDLE process, HWND list);
// Selects exactly these rows, as Ctrl and clicks would, the focus mark on the first.
void SelectListRows(HANDLE process, HWND list, const std::vector<int>& rows);
// The date a date picker holds.
SYSTEMTIME DatePickerTime(HANDLE process, HWND picker);
// The grey hint an edit box shows while it is empty.
std::wstring CueBanner(HANDLE process, HWND edit);
std::vector<std::wstring> TabCaptions(HANDLE process, HWND tab);
RECT TabItemRect(HANDLE process, HWND tab, int index);
struct ToolButton {
  int command;
  BYTE style;
  int image;
  std::wstring caption;
  RECT rect;
};
std::vector<ToolButton> ToolButtons(HANDLE process, HWND toolbar);
// The range an up-down control holds itself, as (lowest, highest).
std::pair<int, int> UpDownRange(HANDLE process, HWND arrows);

}  // namespace wine_test
