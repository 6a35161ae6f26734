// The days box says what it takes: typed keys past the highest number of days, and a text
// that is no number confirmed with Enter, each bring a balloon on the box.
#include <gtest/gtest.h>

#include "program_under_test.h"
#include "program_windows.h"
#include "real_input.h"
#include "ui/window_ids.h"
#include "window_basics.h"

using namespace wine_test;
namespace ids = memo::ui::settings_window;
namespace input = wine_test::real_input;

namespace {

// The program's balloon tip shown below the box, or nullptr.
HWND BalloonBelow(HWND box) {
  struct Search {
    HWND box;
    HWND found;
  } search = {box, nullptr};
  EnumThreadWindows(
      GetWindowThreadProcessId(box, nullptr),
      [](HWND window, LPARAM data) {
        auto* s = reinterpret_cast<Search*>(data);
        RECT tip, below;
        GetWindowRect(window, &tip);
        GetWindowRect(s->box, &below);
        if (ClassName(window) == L"tooltips_class32" && IsWindowVisible(window) &&
            (GetWindowLongW(window, GWL_STYLE) & TTS_BALLOON) && tip.top >= below.top &&
            tip.top <= below.bottom + 40) {
          s->found = window;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

}  // namespace

TEST(DaysBalloon, TooManyDaysShowTheHighestAndATextThatIsNoNumberIsNotSaved) {
  ProgramUnderTest program;
  HWND main = program.StartMain();
  ASSERT_NE(main, nullptr);
  HWND settings =
      OpenFromToolbar(program, main, ToolbarButton::kSettings, memo::ui::kSettingsWindowClass);
  ASSERT_NE(settings, nullptr);
  HWND days = GetDlgItem(settings, ids::kDays);
  ASSERT_TRUE(input::Click(input::CentreOf(days)));
  ASSERT_TRUE(WaitUntil([&] { return FocusOf(settings) == days; }));
  ASSERT_TRUE(input::PressKeys("End BackSpace BackSpace BackSpace"));
  ASSERT_TRUE(input::Type("400"));
  ASSERT_TRUE(WaitUntil([&] { return WindowText(days) == L"360"; }));
  ASSERT_TRUE(WaitUntil([&] { return BalloonBelow(days) != nullptr; }));
  SaveScreenshot("days-balloon-too-many");

  // Pasted text is not filtered: 确定 by Enter keeps the window open and stores nothing.
  SendMessageW(days, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(Wide("7天").c_str()));
  ASSERT_TRUE(WaitUntil([&] { return BalloonBelow(days) == nullptr; }, 8000));
  ASSERT_TRUE(input::PressKeys("Return"));
  ASSERT_TRUE(WaitUntil([&] { return BalloonBelow(days) != nullptr; }));
  EXPECT_TRUE(IsWindow(settings));
  EXPECT_FALSE(settings::Read(L"tianshuo").exists);

  // 360 is taken.
  ASSERT_TRUE(input::PressKeys("End BackSpace BackSpace"));
  ASSERT_TRUE(input::Type("360"));
  ASSERT_TRUE(input::PressKeys("Return"));
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(settings); }));
  EXPECT_EQ(settings::Read(L"tianshuo").number, 360u);
  EXPECT_EQ(program.Close(), 0);
}
