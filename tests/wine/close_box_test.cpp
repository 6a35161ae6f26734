// The main window's close box: the question asked until the user keeps an answer, the window
// hidden to the tray while the program goes on, the program ended; a WM_CLOSE sent by another
// program (the setup program) still ends it.
#include <gtest/gtest.h>

#include "program_under_test.h"
#include "program_windows.h"
#include "tray_area.h"
#include "ui/window_ids.h"
#include "window_basics.h"

using namespace wine_test;
namespace ids = memo::ui::close_question_window;

namespace {

// The close box as a click on it arrives: the window menu's 关闭 command.
void PressCloseBox(HWND main) {
  PostMessageW(main, WM_SYSCOMMAND, SC_CLOSE, 0);
}

HWND AskedQuestion(ProgramUnderTest& program, HWND main) {
  PressCloseBox(main);
  return program.WaitForWindow(memo::ui::kCloseQuestionWindowClass, 5000);
}

}  // namespace

TEST(CloseBox, AsksUntilKeptThenHidesToTheTrayOrEnds) {
  ProgramUnderTest program;
  HWND main = program.StartMain();
  ASSERT_NE(main, nullptr);
  ASSERT_TRUE(WaitUntil(TrayShowsIcon));

  HWND question = AskedQuestion(program, main);
  ASSERT_NE(question, nullptr);
  EXPECT_TRUE(WindowText(GetDlgItem(question, ids::kToTray)) == Wide("最小化到托盘，继续提醒"));
  EXPECT_TRUE(WindowText(GetDlgItem(question, ids::kExit)) == Wide("退出寿辰备忘录"));
  EXPECT_TRUE(Checked(GetDlgItem(question, ids::kToTray)));
  EXPECT_FALSE(Checked(GetDlgItem(question, ids::kDontAsk)));
  Sleep(300);
  SaveScreenshot("close-question");
  // 取消: nothing happens.
  ClickControl(GetDlgItem(question, ids::kCancel));
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(question); }));
  EXPECT_TRUE(IsWindowVisible(main));

  // To the tray, asked again next time.
  question = AskedQuestion(program, main);
  ASSERT_NE(question, nullptr);
  ClickControl(GetDlgItem(question, ids::kConfirm));
  ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(main); }));
  EXPECT_EQ(program.WaitForExit(500), -1);
  EXPECT_TRUE(TrayShowsIcon());
  EXPECT_FALSE(settings::Read(L"guanbi").exists);

  // The tray brings it back; then 退出, kept.
  ShowWindow(main, SW_SHOW);
  question = AskedQuestion(program, main);
  ASSERT_NE(question, nullptr);
  ClickControl(GetDlgItem(question, ids::kExit));
  ClickControl(GetDlgItem(question, ids::kDontAsk));
  ClickControl(GetDlgItem(question, ids::kConfirm));
  EXPECT_EQ(program.WaitForExit(5000), 0);
  EXPECT_EQ(settings::Read(L"guanbi").number, 2u);
}

TEST(CloseBox, KeptChoiceOrNoTrayIconAsksNothing) {
  {
    ProgramUnderTest program;
    settings::WriteNumber(L"guanbi", 1);
    HWND main = program.StartMain();
    ASSERT_NE(main, nullptr);
    PressCloseBox(main);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(main); }));
    EXPECT_EQ(program.WaitForWindow(memo::ui::kCloseQuestionWindowClass, 500), nullptr);
    // Another program's WM_CLOSE, as the setup program sends it, ends the hidden copy.
    EXPECT_EQ(program.Close(5000), 0);
  }
  {
    ProgramUnderTest program;
    settings::WriteNumber(L"tubiao", 1);  // no tray icon: nothing could show the window again
    HWND main = program.StartMain();
    ASSERT_NE(main, nullptr);
    PressCloseBox(main);
    EXPECT_EQ(program.WaitForExit(5000), 0);
  }
}
