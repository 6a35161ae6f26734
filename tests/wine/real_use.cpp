#include "real_use.h"

#include <gtest/gtest.h>

#include "real_input.h"
#include "remote_controls.h"
#include "window_basics.h"

namespace wine_test {

HWND StartMainActive(ProgramUnderTest& program, int recordCount) {
  HWND main = program.StartMainWith(recordCount);
  if (main && !WaitUntil([&] { return real_input::IsActive(main); })) return nullptr;
  return main;
}

POINT ToolbarButtonCentre(ProgramUnderTest& program, HWND main, ToolbarButton button) {
  HWND toolbar = GetDlgItem(main, memo::ui::main_window::kToolbar);
  POINT point =
      Centre(ToolButtons(program.Process(), toolbar).at(static_cast<size_t>(button)).rect);
  ClientToScreen(toolbar, &point);
  return point;
}

HWND Opened(ProgramUnderTest& program, const wchar_t* className) {
  HWND window = program.WaitForWindow(className, 5000);
  if (!window) return nullptr;
  EXPECT_TRUE(WaitUntil([&] { return real_input::IsActive(window); }));
  EXPECT_TRUE(WaitUntil([&] { return real_input::LooksDrawn(window); }));
  return window;
}

void ExpectGoneAndMainActive(HWND window, HWND main) {
  EXPECT_TRUE(WaitUntil([&] { return !IsWindow(window); }));
  EXPECT_TRUE(WaitUntil([&] { return real_input::IsActive(main); }));
}

void ClickOn(HWND window, int id) {
  EXPECT_TRUE(real_input::Click(real_input::CentreOf(GetDlgItem(window, id))));
}

}  // namespace wine_test
