// The add/edit birthday window's parts as the tests work them: opening it, its boxes, and the
// month calendar's lists and grid cells.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "program_under_test.h"
#include "program_windows.h"

namespace wine_test {

// Opens the window with a toolbar button, the pointer away from where the calendar will be,
// so that no day shows the hover fill; nullptr when it does not come.
HWND OpenBirthdayWindow(ProgramUnderTest& program, HWND main, ToolbarButton button);
// The date the date picker holds, as "Y-M-D".
std::string DateBox(ProgramUnderTest& program, HWND window);
// The text the date box shows in lunar mode.
std::wstring LunarDateBox(HWND window);
void SetText(HWND window, int id, const std::string& gbk);
bool Shown(HWND window, int id);

// The month calendar's two drop-down lists and a choice in one, as the list reports it.
constexpr int kYearList = 1019, kMonthList = 1020;
std::vector<std::wstring> Entries(HWND comboBox);
void Choose(HWND calendar, int listId, int entry);

// Grid cells at 96 DPI: below the lists' band and the weekday header.
POINT CellCentre(int cell);
RECT CellRect(int cell);
constexpr COLORREF kInMonth = RGB(255, 250, 194), kOutside = RGB(211, 217, 214);
// The fill of each cell, read from the screen near its top-left corner.
std::vector<COLORREF> CellFills(HWND calendar);
// In the month exactly from cell `first` to cell `last`.
std::vector<COLORREF> MonthFills(int first, int last);
// The colour of the screen at a point of a window's client area.
COLORREF PixelAt(HWND window, POINT point);

}  // namespace wine_test
