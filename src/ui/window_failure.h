// A window of the program that could not be made is never left half made and silent: the step
// that failed goes to the debugger's log with the system's error code, and the user is told.
#pragma once

#include <windows.h>

#include <string>

namespace memo::ui {

// The program's name: the caption of its message boxes.
constexpr char kProgramName[] = "寿辰备忘录";

// Reads the error of the step that just failed; `caption` is the window's (GBK), `owner` the
// window the message box belongs to (nullptr: none).
void ReportWindowFailure(HWND owner, const char* caption, const std::string& step);

}  // namespace memo::ui
