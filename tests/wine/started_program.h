// The program started from where a user has it (an unpacked zip, an installed folder), not
// from a test's own copy: its main window found by its process, and what the driver is told
// through the environment by the script that runs it.
#pragma once

#include <windows.h>

#include <string>

namespace wine_test {

// The variable's value; empty when it is not set.
std::wstring Environment(const wchar_t* name);

// The visible main window of that process, or nullptr.
HWND MainWindowOf(DWORD processId);

// Waits for the process's main window and its set-up's last words in the status bar
// ("今天是：…"); nullptr when they do not come.
HWND WaitForSetUp(HANDLE process, DWORD processId);

// The status bar's record count part, "当前记录数：N".
std::wstring RecordCountText(HANDLE process, HWND main);

}  // namespace wine_test
