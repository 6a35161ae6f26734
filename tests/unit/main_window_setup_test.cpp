// Start-up's set-up of the main window: caption, friend list hook, status texts, tray icon
// and the order of the steps.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/main_window_setup.h"
#include "app/settings_names.h"

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
  // 15 April 2012 is lunar 2012, third month, day 25.
  EXPECT_EQ(TodayText(MakeDateTime(2012, 4, 15), MakeDateTime(2012, 3, 25)),
            "今天是：公历2012年4月15日   农历2012年3月25日");
}

TEST(MainWindowSetUp, RunsItsStepsInOrderWithTheStoredSettings) {
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
  EXPECT_EQ(window.steps, (Steps{"caption:寿辰备忘录", "load:0", "part1:当前记录数：2", "tray",
                                 "upcoming", "advert"}));

  settings.WriteText(TitleSetting, "家人生日");
  settings.WriteNumber(SortSetting, 4);
  settings.WriteNumber(TraySetting, 1);
  window.steps.clear();
  friends.Clear();
  SetUpMainWindow({window, friends, window}, settings, steps);
  EXPECT_EQ(window.steps,
            (Steps{"caption:家人生日", "load:4", "part1:当前记录数：2", "upcoming", "advert"}));

  // Steps that are not there yet are skipped; a tray value of another kind reads as 0.
  settings.WriteText(TraySetting, "1");
  window.steps.clear();
  friends.Clear();
  SetUpMainWindow({window, friends, window}, settings, SetUpSteps{});
  EXPECT_EQ(window.steps, (Steps{"caption:家人生日", "part1:当前记录数：0", "tray"}));
}

}  // namespace
}  // namespace memo
