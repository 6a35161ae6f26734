// The program's windows as a person reaches them: the main window once its set-up has run,
// the toolbar's buttons, the pages of tab controls.
#pragma once

#include <windows.h>

#include <initializer_list>

#include "program_under_test.h"

namespace wine_test {

// Starts the program and waits for the main window and its set-up (today's dates in the
// status bar); nullptr when they do not come.
HWND StartMainWindow(ProgramUnderTest& program, const StartOptions& options = {});
// Clicks the toolbar button with this index (separators count).
void ClickToolbarButton(ProgramUnderTest& program, HWND main, int index);
// Clicks a tab of a tab control.
void ClickTab(ProgramUnderTest& program, HWND tab, int index);
// Clicks the middle of a control.
void ClickControl(HWND control);
// The selection of an edit box as (start, end).
std::pair<int, int> Selection(HWND edit);
bool Checked(HWND button);
// Pops up the sort menu with a right click in the friend list and types the keys that choose
// an entry (VK_RETURN last), as a person does: the menu takes each before the next comes.
// False when the menu does not come up.
bool ChooseFromSortMenu(HWND main, HWND list, std::initializer_list<WPARAM> keys);

}  // namespace wine_test
