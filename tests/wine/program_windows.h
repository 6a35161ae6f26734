// The program's windows as a person reaches them: the toolbar's buttons, the windows they
// open, the pages of tab controls, the sort menu.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <initializer_list>
#include <string>
#include <utility>

#include "program_under_test.h"
#include "ui/window_ids.h"

namespace wine_test {

using ToolbarButton = memo::ui::main_window::ToolbarButton;

void ClickToolbarButton(ProgramUnderTest& program, HWND main, ToolbarButton button);
// Clicks the button and waits for the window of this class it opens; nullptr when none comes.
HWND OpenFromToolbar(ProgramUnderTest& program, HWND main, ToolbarButton button,
                     const wchar_t* className);
// Clicks a tab of a tab control.
void ClickTab(ProgramUnderTest& program, HWND tab, int index);
// Clicks the middle of a control.
void ClickControl(HWND control);
// The selection of an edit box as (start, end).
std::pair<int, int> Selection(HWND edit);
bool Checked(HWND button);
// The text of a message box: its static text that is not empty.
std::wstring MessageBoxText(HWND box);
// Pops up the friend list's menu with a right click and highlights its last command on
// friends, so that keys choose in the sort menu and the exchange commands as they would in a
// menu of those alone; false when it does not come.
bool PopUpSortMenu(HWND list);
// Types keys into the menu the main window tracks, as a person does: it takes each before
// the next comes.
void TypeMenuKeys(HWND main, std::initializer_list<WPARAM> keys);
// Pops up the sort menu and types the keys that choose an entry (VK_RETURN last).
bool ChooseFromSortMenu(HWND main, HWND list, std::initializer_list<WPARAM> keys);

// The text on the clipboard; empty when there is none.
std::wstring ClipboardText();

}  // namespace wine_test
