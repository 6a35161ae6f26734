// The settings window: its controls against the design, loading the stored values, the days
// box's filter, check and arrows, and both saves with the registry values they leave.
#include <gtest/gtest.h>

#include "design_check.h"
#include "program_under_test.h"
#include "program_windows.h"
#include "remote_controls.h"
#include "tray_area.h"
#include "ui/window_ids.h"
#include "window_basics.h"

using namespace wine_test;
namespace ids = memo::ui::settings_window;

namespace {

HWND OpenSettings(ProgramUnderTest& program, HWND main) {
  return OpenFromToolbar(program, main, ToolbarButton::kSettings, memo::ui::kSettingsWindowClass);
}

std::wstring Text(HWND window, int id) {
  return WindowText(GetDlgItem(window, id));
}

void SetText(HWND window, int id, const std::string& gbk) {
  SendMessageW(GetDlgItem(window, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(Wide(gbk).c_str()));
}

// Types into the days box over its whole text, as a person does after selecting it.
void TypeDays(HWND days, const std::wstring& typed) {
  SendMessageW(days, EM_SETSEL, 0, -1);
  // Sent, not posted: each character is through the box (and its filter) before the next
  // one, and before the outcome is read.
  for (wchar_t c : typed) SendMessageW(days, WM_CHAR, c, 1);
}

// Presses the arrow half of the up-down control.
void PressArrow(HWND arrows, bool up) {
  RECT area;
  GetClientRect(arrows, &area);
  Click(arrows, {area.right / 2, up ? area.bottom / 4 : area.bottom * 3 / 4});
}

// The typed keys and clicks are posted: the box shows their outcome a moment later.
bool Shows(HWND edit, const std::wstring& text) {
  return WaitUntil([&] { return WindowText(edit) == text; }, 2000);
}

bool Closed(HWND window) {
  return WaitUntil([&] { return !IsWindow(window); });
}

}  // namespace

TEST(SettingsWindow, OpensModalOnTheFirstPageWithTheDesignedControlsAndTheFirstStartValues) {
  ProgramUnderTest program;
  HWND main = program.StartMain();
  ASSERT_NE(main, nullptr);
  HWND settings = OpenSettings(program, main);
  ASSERT_NE(settings, nullptr);
  EXPECT_TRUE(WindowText(settings) == Wide("设置"));
  ExpectWindowFrame(settings, 300, 280);
  EXPECT_FALSE(GetWindowLongW(settings, GWL_STYLE) & WS_MINIMIZEBOX);
  EXPECT_EQ(GetWindow(settings, GW_OWNER), main);
  EXPECT_FALSE(IsWindowEnabled(main));  // modal

  HWND tab = GetDlgItem(settings, ids::kTab);
  std::vector<std::wstring> pages = TabCaptions(program.Process(), tab);
  ASSERT_EQ(pages.size(), 3u);
  EXPECT_TRUE(pages[0] == Wide("提醒设置"));
  EXPECT_TRUE(pages[1] == Wide("个性化设置"));
  EXPECT_TRUE(pages[2] == Wide("关于"));
  EXPECT_EQ(SendMessageW(tab, TCM_GETCURSEL, 0, 0), 0);

  // Places in the client area: the group box's contents are relative to it at (16, 32).
  const ExpectedControl reminderPage[] = {
      {ids::kTab, L"SysTabControl32", nullptr, 0, 0, 296, 256},
      {ids::kReminderGroup, L"Button", "提醒设置", 16, 32, 272, 56},
      {ids::kDaysLabel, L"Static", "生日前多少天开始提醒：", 30, 55, 136, 20},
      {ids::kDays, L"Edit", "10", 161, 57, 53, 18},
      {ids::kSaveDays, L"Button", "确定", 88, 216, 88, 24},
      {ids::kCancelDays, L"Button", "取消", 192, 216, 88, 24},
      {ids::kLogOnBox, L"Button", "开机时自动启动", 16, 182, 200, 20},
      {ids::kTitleLabel, L"Static", "软件标题设置：", 13, 38, 80, 24, false},
      {ids::kTitle, L"Edit", "寿辰备忘录", 97, 40, 152, 20, false},
      {ids::kTrayBox, L"Button", "显示托盘图标", 16, 72, 136, 24, false},
      {ids::kPopUpBox, L"Button", "弹出生日信息", 144, 72, 112, 24, false},
      {ids::kSavePersonal, L"Button", "确定", 96, 216, 88, 24, false},
      {ids::kCancelPersonal, L"Button", "取消", 200, 216, 88, 24, false},
      {ids::kAbout, L"Static", nullptr, 56, 64, 184, 48, false},
  };
  ExpectControls(settings, reminderPage);
  ExpectApartWithin(
      settings, ids::kTab,
      {ids::kReminderGroup, ids::kTimeLabel, ids::kReminderTime, ids::kSoundBox, ids::kTicksLabel,
       ids::kFirstTick, ids::kFirstTick + 1, ids::kFirstTick + 2, ids::kFirstTick + 3,
       ids::kFirstTick + 4, ids::kLastTick, ids::kLogOnBox, ids::kSaveDays, ids::kCancelDays});
  EXPECT_FALSE(Checked(GetDlgItem(settings, ids::kLogOnBox)));
  HWND days = GetDlgItem(settings, ids::kDays);
  EXPECT_TRUE(GetWindowLongW(days, GWL_STYLE) & ES_CENTER);
  EXPECT_TRUE(GetWindowLongW(GetDlgItem(settings, ids::kTitle), GWL_STYLE) & ES_CENTER);
  EXPECT_EQ(Selection(days), std::make_pair(0, 2));
  EXPECT_EQ(FocusOf(settings), days);
  HWND arrows = GetDlgItem(settings, ids::kDaysArrows);
  EXPECT_EQ(lstrcmpiW(ClassName(arrows).c_str(), UPDOWN_CLASSW), 0);
  RECT arrowPlace = PlaceInWindow(arrows);
  EXPECT_GE(arrowPlace.left, 161 + 53);  // beside the box
  // The arrows hold the designed range themselves, whoever asks them.
  EXPECT_EQ(UpDownRange(program.Process(), arrows), std::make_pair(0, 355));
  SaveScreenshot("settings-reminder-page");

  ClickTab(program, tab, 1);
  ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(GetDlgItem(settings, ids::kTitle)); }));
  const ExpectedControl personalPage[] = {
      {ids::kDays, L"Edit", "10", 161, 57, 53, 18, false},
      {ids::kLogOnBox, L"Button", "开机时自动启动", 16, 182, 200, 20, false},
      {ids::kTitleLabel, L"Static", "软件标题设置：", 13, 38, 80, 24},
      {ids::kTitle, L"Edit", "寿辰备忘录", 97, 40, 152, 20},
      {ids::kTrayBox, L"Button", "显示托盘图标", 16, 72, 136, 24},
      {ids::kPopUpBox, L"Button", "弹出生日信息", 144, 72, 112, 24},  // enabled: icon shown
      {ids::kSavePersonal, L"Button", "确定", 96, 216, 88, 24},
      {ids::kCancelPersonal, L"Button", "取消", 200, 216, 88, 24},
  };
  ExpectControls(settings, personalPage);
  EXPECT_TRUE(Checked(GetDlgItem(settings, ids::kTrayBox)));
  EXPECT_TRUE(Checked(GetDlgItem(settings, ids::kPopUpBox)));
  SaveScreenshot("settings-personal-page");

  ClickTab(program, tab, 2);
  ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(GetDlgItem(settings, ids::kAbout)); }));
  // Name, version, what it does: lines separated by CR LF.
  std::wstring about = Text(settings, ids::kAbout);
  EXPECT_EQ(about.find(Wide("寿辰备忘录")), 0u);
  EXPECT_NE(about.find(L"\r\n"), std::wstring::npos);
  EXPECT_NE(about.find(L"1.0"), std::wstring::npos);
  EXPECT_EQ(about.find(L'\n'), about.find(L"\r\n") + 1);
  SaveScreenshot("settings-about-page");

  // Closing saves nothing; the main window is usable again.
  PostMessageW(settings, WM_CLOSE, 0, 0);
  ASSERT_TRUE(Closed(settings));
  EXPECT_TRUE(IsWindowEnabled(main));
  for (const wchar_t* name : {L"paixu", L"tianshuo", L"tanchu", L"tubiao", L"biaoti"}) {
    EXPECT_FALSE(settings::Read(name).exists) << std::string(name, name + wcslen(name));
  }
}

TEST(SettingsWindow, LoadShowsStoredValuesWithZeroAsTenAndOutOfRangeDaysAsTheHighest) {
  struct Run {
    DWORD days;
    const wchar_t* shown;
  } runs[] = {{400, L"360"}, {0, L"10"}, {25, L"25"}};
  for (const Run& run : runs) {
    SCOPED_TRACE(run.days);
    ProgramUnderTest program;
    settings::WriteNumber(L"tianshuo", run.days);
    settings::WriteNumber(L"tubiao", 1);
    settings::WriteNumber(L"tanchu", 1);
    settings::WriteText(L"biaoti", Wide("我的备忘"));
    HWND main = program.StartMain();
    ASSERT_NE(main, nullptr);
    HWND settings = OpenSettings(program, main);
    ASSERT_NE(settings, nullptr);
    HWND days = GetDlgItem(settings, ids::kDays);
    EXPECT_TRUE(WindowText(days) == run.shown);
    EXPECT_EQ(Selection(days), std::make_pair(0, static_cast<int>(wcslen(run.shown))));
    EXPECT_FALSE(Checked(GetDlgItem(settings, ids::kTrayBox)));
    EXPECT_FALSE(Checked(GetDlgItem(settings, ids::kPopUpBox)));
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(settings, ids::kPopUpBox)));
    EXPECT_TRUE(Text(settings, ids::kTitle) == Wide("我的备忘"));
    // Loading writes nothing back.
    EXPECT_EQ(settings::Read(L"tianshuo").number, run.days);
    PostMessageW(settings, WM_CLOSE, 0, 0);
    ASSERT_TRUE(Closed(settings));
    EXPECT_EQ(program.Close(), 0);
  }
}

TEST(SettingsWindow, DaysBoxTakesDigitsAndMinusKeepsZeroToThreeSixtyAndItsArrowsWrap) {
  ProgramUnderTest program;
  HWND main = program.StartMain();
  ASSERT_NE(main, nullptr);
  HWND settings = OpenSettings(program, main);
  ASSERT_NE(settings, nullptr);
  HWND days = GetDlgItem(settings, ids::kDays);

  struct Typing {
    const wchar_t* typed;
    const wchar_t* result;
  } typings[] = {
      {L"-1", L"0"},   {L"360", L"360"}, {L"361", L"360"},
      {L"0", L"0"},    {L"ab5c", L"5"},  // letters are dropped
      {L"1.5", L"15"},                   // so is the decimal point
  };
  for (const Typing& typing : typings) {
    TypeDays(days, typing.typed);
    EXPECT_TRUE(Shows(days, typing.result))
        << Utf8(typing.typed) << " gave " << Utf8(WindowText(days));
  }
  TypeDays(days, L"-1");
  ASSERT_TRUE(Shows(days, L"0"));
  EXPECT_EQ(Selection(days), std::make_pair(0, 1));  // "0", selected

  // Pasted text is not filtered, but checked.
  SetText(settings, ids::kDays, "7天");
  EXPECT_TRUE(WindowText(days) == Wide("7天"));

  HWND arrows = GetDlgItem(settings, ids::kDaysArrows);
  struct Step {
    const char* before;
    bool up;
    const wchar_t* after;
  } steps[] = {
      {"355", true, L"0"},    {"0", false, L"355"}, {"360", true, L"0"},
      {"360", false, L"355"}, {"10", true, L"11"},  {"10", false, L"9"},
  };
  for (const Step& step : steps) {
    SetText(settings, ids::kDays, step.before);
    SetFocus(nullptr);
    PressArrow(arrows, step.up);
    EXPECT_TRUE(Shows(days, step.after))
        << step.before << (step.up ? " up gave " : " down gave ") << Utf8(WindowText(days));
    EXPECT_EQ(Selection(days), std::make_pair(0, static_cast<int>(wcslen(step.after))));
    EXPECT_EQ(FocusOf(settings), days);
  }
  SaveScreenshot("settings-days-arrows");
  PostMessageW(settings, WM_CLOSE, 0, 0);
  ASSERT_TRUE(Closed(settings));
  EXPECT_FALSE(settings::Read(L"tianshuo").exists);
}

TEST(SettingsWindow, ReminderPageSavesTheDaysAloneAndCancelSavesNothing) {
  ProgramUnderTest program;
  HWND main = program.StartMain();
  ASSERT_NE(main, nullptr);
  HWND settings = OpenSettings(program, main);
  ASSERT_NE(settings, nullptr);
  SetText(settings, ids::kDays, "25");
  SetText(settings, ids::kTitle, "别的标题");  // the other page's change is not saved
  ClickControl(GetDlgItem(settings, ids::kSaveDays));
  ASSERT_TRUE(Closed(settings));
  EXPECT_TRUE(IsWindowEnabled(main));
  settings::Stored days = settings::Read(L"tianshuo");
  EXPECT_EQ(days.type, static_cast<DWORD>(REG_DWORD));
  EXPECT_EQ(days.number, 25u);
  EXPECT_FALSE(settings::Read(L"biaoti").exists);
  EXPECT_FALSE(settings::Read(L"tubiao").exists);
  EXPECT_FALSE(settings::Read(L"tanchu").exists);

  settings = OpenSettings(program, main);
  ASSERT_NE(settings, nullptr);
  EXPECT_TRUE(Text(settings, ids::kDays) == L"25");
  SetText(settings, ids::kDays, "30");
  ClickControl(GetDlgItem(settings, ids::kCancelDays));
  ASSERT_TRUE(Closed(settings));
  EXPECT_EQ(settings::Read(L"tianshuo").number, 25u);
  EXPECT_EQ(program.Close(), 0);
}

TEST(SettingsWindow, PersonalisationPageSavesTitleIconAndPopUpAndAppliesThem) {
  ProgramUnderTest program;
  HWND main = program.StartMain();
  ASSERT_NE(main, nullptr);
  ASSERT_TRUE(WaitUntil(TrayShowsIcon));
  HWND settings = OpenSettings(program, main);
  ASSERT_NE(settings, nullptr);
  ClickTab(program, GetDlgItem(settings, ids::kTab), 1);
  SetText(settings, ids::kTitle, "新标题");
  SetText(settings, ids::kDays, "99");  // the other page's change is not saved
  HWND trayBox = GetDlgItem(settings, ids::kTrayBox),
       popUpBox = GetDlgItem(settings, ids::kPopUpBox);
  ClickControl(trayBox);
  ASSERT_TRUE(WaitUntil([&] { return !IsWindowEnabled(popUpBox); }));
  EXPECT_FALSE(Checked(trayBox));
  EXPECT_TRUE(Checked(popUpBox));  // keeps its mark while disabled
  ClickControl(GetDlgItem(settings, ids::kSavePersonal));
  ASSERT_TRUE(Closed(settings));
  EXPECT_TRUE(settings::Read(L"biaoti").type == REG_SZ);
  EXPECT_TRUE(settings::Read(L"biaoti").text == Wide("新标题"));
  EXPECT_EQ(settings::Read(L"tubiao").type, static_cast<DWORD>(REG_DWORD));
  EXPECT_EQ(settings::Read(L"tubiao").number, 1u);
  EXPECT_EQ(settings::Read(L"tanchu").number, 0u);
  EXPECT_FALSE(settings::Read(L"tianshuo").exists);
  EXPECT_TRUE(WaitUntil([&] { return WindowText(main) == Wide("新标题"); }));
  EXPECT_TRUE(WaitUntil([] { return !TrayShowsIcon(); }));  // removed at once

  // Back on: the icon returns; an empty title is stored and leaves no caption.
  settings = OpenSettings(program, main);
  ASSERT_NE(settings, nullptr);
  ClickTab(program, GetDlgItem(settings, ids::kTab), 1);
  trayBox = GetDlgItem(settings, ids::kTrayBox);
  popUpBox = GetDlgItem(settings, ids::kPopUpBox);
  EXPECT_FALSE(Checked(trayBox));
  EXPECT_FALSE(IsWindowEnabled(popUpBox));
  EXPECT_TRUE(Text(settings, ids::kTitle) == Wide("新标题"));
  ClickControl(trayBox);
  ASSERT_TRUE(WaitUntil([&] { return IsWindowEnabled(popUpBox) != FALSE; }));
  ClickControl(popUpBox);
  ASSERT_TRUE(WaitUntil([&] { return !Checked(popUpBox); }));
  SetText(settings, ids::kTitle, "");
  ClickControl(GetDlgItem(settings, ids::kSavePersonal));
  ASSERT_TRUE(Closed(settings));
  EXPECT_TRUE(settings::Read(L"biaoti").exists);
  EXPECT_TRUE(settings::Read(L"biaoti").text.empty());
  EXPECT_EQ(settings::Read(L"tubiao").number, 0u);
  EXPECT_EQ(settings::Read(L"tanchu").number, 1u);
  EXPECT_TRUE(WaitUntil([&] { return WindowText(main).empty(); }));
  EXPECT_TRUE(WaitUntil(TrayShowsIcon));
  SaveScreenshot("settings-saved-without-title");
  EXPECT_EQ(program.Close(), 0);
}
