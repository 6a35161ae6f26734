// Start-up's set-up of the main window: caption, friend list hook, status texts, tray icon
// and the order of the steps.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/main_window_setup.h"
#include "app/settings_names.h"
#include "datetime/clock.h"

namespace memo {
namespace {

class RecordingWindow : public MainWindowView, public StatusBar {
 public:
  void SetCaption(const std::string& text) override { steps.push_back("caption:" + text); }
  void ShowTrayIcon() override { steps.push_back("tray"); }
  void SetPartText(int part, const std::string& text) override {
    steps.push_back("part" + std::to_string(part) + ":" + text);
  }
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

// Today's dates in pane 2, also on a lunar day that no DateTime can carry.
TEST(MainWindowSetUp, TodayPartShowsTheSolarAndLunarDate) {
  const struct {
    DateTime today;
    const char* text;
  } cases[] = {
      {MakeDateTime(2012, 4, 15, 9), "今天是：公历2012年4月15日   农历2012年3月25日"},
      // Lunar 2021, second month, day 29: no solar 2021年2月29日 exists.
      {MakeDateTime(2021, 4, 10), "今天是：公历2021年4月10日   农历2021年2月29日"},
      // A leap month shows without its mark, as the 年月日 form has none.
      {MakeDateTime(2023, 4, 1), "今天是：公历2023年4月1日   农历2023年2月11日"},
  };
  MemorySettingsStore settings;
  MemoryTextRows friends(5);
  for (const auto& c : cases) {
    FixClock(c.today);
    RecordingWindow window;
    SetUpMainWindow({window, friends, window}, settings, SetUpSteps{});
    EXPECT_NE(std::find(window.steps.begin(), window.steps.end(), std::string("part2:") + c.text),
              window.steps.end())
        << c.text;
  }
  SetClock(nullptr);
}

TEST(MainWindowSetUp, RunsItsStepsInOrderWithTheStoredSettings) {
  FixClock(MakeDateTime(2012, 4, 15));
  const std::string kToday = "part2:今天是：公历2012年4月15日   农历2012年3月25日";
  MemorySettingsStore settings;
  RecordingWindow window;
  MemoryTextRows friends(5);
  SetUpSteps steps;
  steps.loadFriendList = [&](int sortCode) {
    window.steps.push_back("load:" + std::to_string(sortCode));
    friends.AppendRow();
    friends.AppendRow();
  };
  steps.startUpcomingPass = [&] { window.steps.push_back("upcoming"); };
  steps.showAdvertisement = [&] { window.steps.push_back("advert"); };

  SetUpMainWindow({window, friends, window}, settings, steps);
  EXPECT_EQ(window.steps, (Steps{"caption:寿辰备忘录", "load:0", "part1:当前记录数：2", kToday,
                                 "tray", "upcoming", "advert"}));

  settings.WriteText(TitleSetting, "家人生日");
  settings.WriteNumber(SortSetting, 4);
  settings.WriteNumber(TraySetting, 1);
  window.steps.clear();
  friends.Clear();
  SetUpMainWindow({window, friends, window}, settings, steps);
  EXPECT_EQ(window.steps, (Steps{"caption:家人生日", "load:4", "part1:当前记录数：2", kToday,
                                 "upcoming", "advert"}));

  // Steps that are not there yet are skipped; a tray value of another kind reads as 0.
  settings.WriteText(TraySetting, "1");
  window.steps.clear();
  friends.Clear();
  SetUpMainWindow({window, friends, window}, settings, SetUpSteps{});
  EXPECT_EQ(window.steps, (Steps{"caption:家人生日", "part1:当前记录数：0", kToday, "tray"}));
  SetClock(nullptr);
}

}  // namespace
}  // namespace memo
