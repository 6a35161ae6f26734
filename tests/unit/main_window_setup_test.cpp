// Start-up's set-up of the main window: caption, friend list, status texts, tray icon and the
// order of the steps; a new day's share of them.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/main_window_setup.h"
#include "datetime/clock.h"
#include "settings/settings_names.h"

namespace memo {
namespace {

class RecordingWindow : public MainWindowView, public FriendPasses, public StatusBar {
 public:
  void SetCaption(const std::string& text) override { steps.push_back("caption:" + text); }
  void ShowTrayIcon() override { steps.push_back("tray"); }
  void ShowAdvertisement() override { steps.push_back("advert"); }
  int LoadFriendList(int sortCode) override {
    steps.push_back("load:" + std::to_string(sortCode));
    return friendCount;
  }
  void StartUpcomingPass() override { steps.push_back("upcoming"); }
  void SetPartText(int part, const std::string& text) override {
    steps.push_back("part" + std::to_string(part) + ":" + text);
  }
  MainWindowParts Parts() { return {*this, *this, *this}; }
  int friendCount = 0;
  std::vector<std::string> steps;
};

using Steps = std::vector<std::string>;

TEST(MainWindowSetUp, CaptionIsTheStoredTitleOrTheDefault) {
  EXPECT_EQ(CaptionFromTitle(""), "寿辰备忘录");
  EXPECT_EQ(CaptionFromTitle("我的生日簿"), "我的生日簿");
  EXPECT_EQ(CaptionFromTitle(" "), " ");
}

TEST(MainWindowSetUp, StatusTexts) {
  EXPECT_EQ(RecordCountText(0), "当前记录数：0");
  EXPECT_EQ(RecordCountText(1234), "当前记录数：1234");
  EXPECT_EQ(TodayText(MakeDateTime(2012, 4, 15), "2012年3月25日"),
            "今天是：公历2012年4月15日   农历2012年3月25日");
}

TEST(MainWindowSetUp, TodayPaneShowsTodaysSolarAndLunarDates) {
  struct Case {
    DateTime now;
    std::string pane;
  } cases[] = {
      // 15 April 2012 is lunar 2012, third month, day 25; the time of day does not show.
      {MakeDateTime(2012, 4, 15, 13, 45, 10), "今天是：公历2012年4月15日   农历2012年3月25日"},
      // Lunar 2014年2月30日 and 2013年2月29日 make no Gregorian dates, yet are today's.
      {MakeDateTime(2014, 3, 30), "今天是：公历2014年3月30日   农历2014年2月30日"},
      {MakeDateTime(2013, 4, 9), "今天是：公历2013年4月9日   农历2013年2月29日"},
  };
  for (const Case& c : cases) {
    FixClock(c.now);
    MemorySettingsStore settings;
    RecordingWindow window;
    SetUpMainWindow(window.Parts(), settings);
    EXPECT_NE(std::find(window.steps.begin(), window.steps.end(), "part2:" + c.pane),
              window.steps.end())
        << c.pane;
  }
  SetClock(nullptr);
}

TEST(MainWindowSetUp, RunsItsStepsInOrderWithTheStoredSettings) {
  FixClock(MakeDateTime(2012, 4, 15));
  MemorySettingsStore settings;
  RecordingWindow window;
  window.friendCount = 2;

  SetUpMainWindow(window.Parts(), settings);
  const std::string today = "part2:今天是：公历2012年4月15日   农历2012年3月25日";
  EXPECT_EQ(window.steps, (Steps{"caption:寿辰备忘录", "load:0", "part1:当前记录数：2", today,
                                 "tray", "upcoming", "advert"}));

  settings.WriteText(kTitleSetting, "家人生日");
  settings.WriteNumber(kSortSetting, 4);
  settings.WriteNumber(kTraySetting, 1);
  window.steps.clear();
  SetUpMainWindow(window.Parts(), settings);
  EXPECT_EQ(window.steps, (Steps{"caption:家人生日", "load:4", "part1:当前记录数：2", today,
                                 "upcoming", "advert"}));

  // A tray value of another kind reads as 0.
  settings.WriteText(kTraySetting, "1");
  window.steps.clear();
  window.friendCount = 0;
  SetUpMainWindow(window.Parts(), settings);
  EXPECT_EQ(window.steps, (Steps{"caption:家人生日", "load:4", "part1:当前记录数：0", today, "tray",
                                 "upcoming", "advert"}));
  SetClock(nullptr);
}

TEST(MainWindowSetUp, ANewDayRedoesWhatItAsksForInTheSetUpsOrder) {
  FixClock(MakeDateTime(2012, 4, 16, 0, 1));
  const std::string today = "part2:今天是：公历2012年4月16日   农历2012年3月26日";
  struct Case {
    DayChange change;
    Steps done;
  } cases[] = {
      {DayChange{}, Steps{}},
      {DayChange{true, false}, Steps{today, "upcoming"}},
      {DayChange{true, true}, Steps{"load:4", "part1:当前记录数：1", today, "upcoming"}},
  };
  for (const Case& c : cases) {
    MemorySettingsStore settings;
    settings.WriteNumber(kSortSetting, 4);
    RecordingWindow window;
    window.friendCount = 1;
    ShowNewDay(window.Parts(), settings, c.change);
    EXPECT_EQ(window.steps, c.done);
  }
  SetClock(nullptr);
}

}  // namespace
}  // namespace memo
