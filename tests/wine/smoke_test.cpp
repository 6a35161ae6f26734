// The program starts, shows its main window with the right caption, and ends with code 0
// when the window is closed.
#include <gtest/gtest.h>

#include "program_under_test.h"
#include "ui/window_ids.h"
#include "window_basics.h"

using namespace wine_test;

TEST(Smoke, StartsShowsCaptionAndClosesWithCodeZero) {
  ProgramUnderTest program;
  ASSERT_TRUE(program.Start());
  HWND main = program.WaitForWindow(memo::ui::kMainWindowClass);
  ASSERT_NE(main, nullptr);
  EXPECT_EQ(WindowText(main), Wide("寿辰备忘录"));
  RECT frame;
  GetWindowRect(main, &frame);
  EXPECT_EQ(frame.right - frame.left, 680);
  EXPECT_EQ(frame.bottom - frame.top, 520);
  LONG style = GetWindowLongW(main, GWL_STYLE);
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_FALSE(style & WS_THICKFRAME);
  Sleep(500);
  SaveScreenshot("smoke-main-window");
  EXPECT_EQ(program.Close(), 0);
}
