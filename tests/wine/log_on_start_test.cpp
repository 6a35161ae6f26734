// Starting with Windows: the settings window's 开机时自动启动 writes, reads back and removes the
// Run value and tells when the system refuses that, and a start with the log-on switch keeps
// the main window in the tray.
#include <windows.h>

#include <gtest/gtest.h>

#include "app/win32/log_on_start.h"
#include "program_under_test.h"
#include "program_windows.h"
#include "tray_area.h"
#include "ui/window_ids.h"
#include "window_basics.h"

using namespace wine_test;
namespace ids = memo::ui::settings_window;

namespace {

HWND OpenSettings(ProgramUnderTest& program, HWND main) {
  return OpenFromToolbar(program, main, ToolbarButton::kSettings, memo::ui::kSettingsWindowClass);
}

// Opens the settings window, sets the box as asked (when asked) and closes the window with
// this button; gives whether the box was checked when the window opened.
bool LogOnBoxAtOpening(ProgramUnderTest& program, HWND main, int closeWith, int setTo = -1) {
  HWND settings = OpenSettings(program, main);
  if (!settings) {
    ADD_FAILURE() << "no settings window";
    return false;
  }
  HWND box = GetDlgItem(settings, ids::kLogOnBox);
  const bool checked = Checked(box);
  if (setTo >= 0 && checked != (setTo == 1)) {
    ClickControl(box);
    EXPECT_TRUE(WaitUntil([&] { return Checked(box) == (setTo == 1); }));
  }
  if (closeWith == ids::kSavePersonal) {
    ClickTab(program, GetDlgItem(settings, ids::kTab), 1);
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(GetDlgItem(settings, closeWith)); }));
  }
  ClickControl(GetDlgItem(settings, closeWith));
  EXPECT_TRUE(WaitUntil([&] { return !IsWindow(settings); }));
  return checked;
}

}  // namespace

TEST(LogOnStart, ReminderPagesOkWritesTheRunValueTheBoxReadsItBackAndUncheckedRemovesIt) {
  ProgramUnderTest program;
  HWND main = program.StartMain();
  ASSERT_NE(main, nullptr);
  EXPECT_FALSE(LogOnBoxAtOpening(program, main, ids::kSaveDays, 1));
  settings::Stored value = log_on::Read();
  ASSERT_TRUE(value.exists);
  EXPECT_EQ(value.type, static_cast<DWORD>(REG_SZ));
  EXPECT_TRUE(value.text == L"\"" + program.Executable() + L"\" " + memo::kLogOnSwitch)
      << Utf8(value.text);

  // 取消 and the other page's 确定 leave it, whatever the box shows.
  EXPECT_TRUE(LogOnBoxAtOpening(program, main, ids::kCancelDays, 0));
  EXPECT_TRUE(LogOnBoxAtOpening(program, main, ids::kSavePersonal, 0));
  EXPECT_TRUE(log_on::Read().exists);

  // Another tool may take it away: the box follows.
  log_on::Clear();
  EXPECT_FALSE(LogOnBoxAtOpening(program, main, ids::kCancelDays));
  EXPECT_FALSE(log_on::Read().exists);
  EXPECT_FALSE(LogOnBoxAtOpening(program, main, ids::kSaveDays, 1));
  EXPECT_TRUE(LogOnBoxAtOpening(program, main, ids::kSaveDays, 0));
  EXPECT_FALSE(log_on::Read().exists);
  EXPECT_FALSE(LogOnBoxAtOpening(program, main, ids::kCancelDays));
  EXPECT_EQ(program.Close(), 0);
}

TEST(LogOnStart, StartedWithTheSwitchTheWindowStaysHiddenWithTheIconOrShowsWithoutIt) {
  ProgramUnderTest program;
  StartOptions atLogOn;
  atLogOn.atLogOn = true;
  HWND main = program.StartMain(atLogOn);
  ASSERT_NE(main, nullptr);
  EXPECT_TRUE(WaitUntil(TrayShowsIcon));
  EXPECT_FALSE(IsWindowVisible(main));
  SaveScreenshot("started-at-log-on");
  ClickTrayIcon();
  EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(main) != FALSE; }));
  EXPECT_EQ(program.Close(), 0);

  settings::WriteNumber(L"tubiao", 1);
  main = program.StartMain(atLogOn);
  ASSERT_NE(main, nullptr);
  EXPECT_TRUE(IsWindowVisible(main));
  EXPECT_FALSE(TrayShowsIcon());
  EXPECT_EQ(program.Close(), 0);
}

TEST(LogOnStart, ARefusedChangeIsToldAndTheWindowStaysWithTheBoxAsTheSystemKeepsIt) {
  ProgramUnderTest program;
  HWND main = program.StartMain();
  ASSERT_NE(main, nullptr);
  log_on::Clear();
  for (bool starts : {false, true}) {
    if (starts) {
      EXPECT_FALSE(LogOnBoxAtOpening(program, main, ids::kSaveDays, 1));
    }
    ASSERT_TRUE(log_on::DenyWrites(true));
    HWND settings = OpenSettings(program, main);
    ASSERT_NE(settings, nullptr);
    HWND box = GetDlgItem(settings, ids::kLogOnBox);
    EXPECT_EQ(Checked(box), starts);
    ClickControl(box);
    EXPECT_TRUE(WaitUntil([&] { return Checked(box) != starts; }));
    ClickControl(GetDlgItem(settings, ids::kSaveDays));
    HWND message = program.WaitForWindow(L"#32770", 5000);
    ASSERT_NE(message, nullptr);
    EXPECT_TRUE(MessageBoxText(message) == Wide("无法更改开机时自动启动"))
        << Utf8(MessageBoxText(message));
    SaveScreenshot(starts ? "log-on-removal-refused" : "log-on-refused");
    ClickControl(GetDlgItem(message, IDOK));
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(message); }));
    EXPECT_TRUE(IsWindow(settings));
    EXPECT_EQ(Checked(box), starts);
    ASSERT_TRUE(log_on::DenyWrites(false));
    EXPECT_EQ(log_on::Read().exists, starts);
    ClickControl(GetDlgItem(settings, ids::kCancelDays));
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(settings); }));
  }
  log_on::Clear();
  EXPECT_EQ(program.Close(), 0);
}
