// The program worked with real input (see real_input.h) as a person works it: the toolbar's
// buttons and a window's controls clicked on the screen, the windows they open active and
// drawn, and the main window active again once they are gone.
#pragma once

#include <windows.h>

#include "program_under_test.h"
#include "program_windows.h"

namespace wine_test {

// Starts the program with the main window active and this record count; nullptr when it
// does not come so.
HWND StartMainActive(ProgramUnderTest& program, int recordCount);
// The middle of a toolbar button on the screen.
POINT ToolbarButtonCentre(ProgramUnderTest& program, HWND main, ToolbarButton button);
// The window a click or a key opened: shown, active and drawn (each checked); nullptr when
// it does not come.
HWND Opened(ProgramUnderTest& program, const wchar_t* className);
// Checks that the window goes and the main window has the activation back.
void ExpectGoneAndMainActive(HWND window, HWND main);
// Clicks the middle of a window's control on the screen.
void ClickOn(HWND window, int id);

}  // namespace wine_test
