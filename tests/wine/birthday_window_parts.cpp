#include "birthday_window_parts.h"

#include "remote_controls.h"
#include "ui/window_ids.h"
#include "window_basics.h"

namespace wine_test {

namespace ids = memo::ui::birthday_window;

namespace {

constexpr int kCellWidth = 52, kRowHeight = 32, kGridTop = 50;

}  // namespace

HWND OpenBirthdayWindow(ProgramUnderTest& program, HWND main, ToolbarButton button) {
  SetCursorPos(0, 0);
  return OpenFromToolbar(program, main, button, memo::ui::kBirthdayWindowClass);
}

std::string DateBox(ProgramUnderTest& program, HWND window) {
  const SYSTEMTIME time = DatePickerTime(program.Process(), GetDlgItem(window, ids::kDate));
  return std::to_string(time.wYear) + "-" + std::to_string(time.wMonth) + "-" +
         std::to_string(time.wDay);
}

std::wstring LunarDateBox(HWND window) {
  return WindowText(GetDlgItem(window, ids::kLunarDate));
}

void SetText(HWND window, int id, const std::string& gbk) {
  SendMessageW(GetDlgItem(window, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(Wide(gbk).c_str()));
}

bool Shown(HWND window, int id) {
  return IsWindowVisible(GetDlgItem(window, id)) != FALSE;
}

std::vector<std::wstring> Entries(HWND comboBox) {
  std::vector<std::wstring> entries;
  int count = static_cast<int>(SendMessageW(comboBox, CB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    std::vector<wchar_t> text(SendMessageW(comboBox, CB_GETLBTEXTLEN, i, 0) + 1);
    SendMessageW(comboBox, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text.data()));
    entries.push_back(text.data());
  }
  return entries;
}

void Choose(HWND calendar, int listId, int entry) {
  HWND list = GetDlgItem(calendar, listId);
  SendMessageW(list, CB_SETCURSEL, entry, 0);
  SendMessageW(calendar, WM_COMMAND, MAKEWPARAM(listId, CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(list));
}

RECT CellRect(int cell) {
  const int left = (cell % 7) * kCellWidth, top = kGridTop + (cell / 7) * kRowHeight;
  return RECT{left, top, left + kCellWidth + 1, top + kRowHeight + 1};
}

POINT CellCentre(int cell) {
  const RECT rect = CellRect(cell);
  return {rect.left + kCellWidth / 2, rect.top + kRowHeight / 2};
}

COLORREF PixelAt(HWND window, POINT point) {
  ClientToScreen(window, &point);
  HDC screen = GetDC(nullptr);
  const COLORREF colour = GetPixel(screen, point.x, point.y);
  ReleaseDC(nullptr, screen);
  return colour;
}

std::vector<COLORREF> CellFills(HWND calendar) {
  std::vector<COLORREF> fills;
  for (int cell = 0; cell < 42; ++cell) {
    const RECT rect = CellRect(cell);
    fills.push_back(PixelAt(calendar, {rect.left + 4, rect.top + 4}));
  }
  return fills;
}

std::vector<COLORREF> MonthFills(int first, int last) {
  std::vector<COLORREF> fills;
  for (int cell = 0; cell < 42; ++cell) {
    fills.push_back(cell >= first && cell <= last ? kInMonth : kOutside);
  }
  return fills;
}

}  // namespace wine_test
