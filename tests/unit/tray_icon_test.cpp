// The tray icon's record, its balloon rules, the balloon's timer and the taskbar's
// re-creation, over a platform that records its calls.
#include <gtest/gtest.h>

#include <cstring>

#include <string>
#include <vector>

#include "app/tray_icon.h"

namespace memo {
namespace {

struct Call {
  std::string what;
  TrayRecord record;
  uint32_t number = 0;
};

class RecordingPlatform : public TrayPlatform {
 public:
  void Notify(TrayCommand command, const TrayRecord& record) override {
    static const char* names[] = {"add", "modify", "delete"};
    calls.push_back({names[static_cast<int>(command)], record});
  }
  IconHandle MakeIcon(const std::string& icoFile) override {
    calls.push_back({"make-icon", {}});
    return icoFile.empty() ? 0 : ++iconsMade;
  }
  IconHandle WindowSmallIcon() override { return windowIcon; }
  void StartTimer(uint32_t id, int ms) override {
    calls.push_back({"start-timer", {}, id});
    timeout = ms;
  }
  void StopTimer(uint32_t id) override { calls.push_back({"stop-timer", {}, id}); }

  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const Call& call : calls) names.push_back(call.what);
    return names;
  }

  std::vector<Call> calls;
  IconHandle iconsMade = 100;
  IconHandle windowIcon = 0;
  int timeout = 0;
};

using Names = std::vector<std::string>;
const std::string ico = "ICO";

// The last record the shell was given.
const TrayRecord& LastRecord(const RecordingPlatform& platform) {
  return platform.calls.back().record;
}

TEST(TrayIcon, ShowAddsOneIconWithTheFullRecordAndASecondShowOnlyUpdates) {
  RecordingPlatform platform;
  TrayIcon tray(platform);
  tray.Show(ico, std::string(kDefaultTrayTip));
  EXPECT_EQ(platform.Names(), (Names{"make-icon", "add"}));
  const TrayRecord& added = platform.calls.back().record;
  EXPECT_EQ(added.id, 1u);
  EXPECT_EQ(added.flags, 7u);
  EXPECT_EQ(added.icon, 101u);
  EXPECT_EQ(added.tip, "寿辰备忘录！");

  tray.SetTip("别的提示");
  platform.calls.clear();
  tray.Show(ico, std::string(kDefaultTrayTip));
  // No second icon: the image and the tip are set again.
  EXPECT_EQ(platform.Names(), (Names{"make-icon", "modify", "modify"}));
  EXPECT_EQ(platform.calls[1].record.icon, 102u);
  EXPECT_EQ(platform.calls[2].record.tip, "寿辰备忘录！");
  EXPECT_EQ(platform.calls[2].record.flags, 7u);
}

TEST(TrayIcon, WithoutAnImageTheWindowIconServesAndWithoutOneNothingIsAdded) {
  RecordingPlatform platform;
  TrayIcon tray(platform);
  tray.Show(std::nullopt, std::string("提示"));
  EXPECT_TRUE(platform.calls.empty());
  tray.Remove();  // nothing shown, nothing to remove
  EXPECT_TRUE(platform.calls.empty());

  platform.windowIcon = 55;
  tray.Show(std::nullopt, std::nullopt);
  EXPECT_EQ(platform.Names(), (Names{"add"}));
  EXPECT_EQ(platform.calls.back().record.icon, 55u);
  EXPECT_EQ(platform.calls.back().record.tip, "");

  // A failed icon creation still adds the icon, without an image.
  RecordingPlatform failing;
  TrayIcon bare(failing);
  bare.Show(std::string(), std::nullopt);
  EXPECT_EQ(failing.Names(), (Names{"make-icon", "add"}));
  EXPECT_EQ(failing.calls.back().record.icon, 0u);
}

TEST(TrayIcon, RemoveDeletesTheIconOnceAndOtherwiseCallsNothing) {
  RecordingPlatform platform;
  TrayIcon tray(platform);
  tray.Remove();
  EXPECT_TRUE(platform.calls.empty());

  tray.Show(ico, std::string(kDefaultTrayTip));
  platform.calls.clear();
  tray.Remove();
  EXPECT_EQ(platform.Names(), (Names{"delete"}));
  EXPECT_EQ(platform.calls.back().record.id, 1u);
  platform.calls.clear();
  tray.Remove();
  EXPECT_TRUE(platform.calls.empty());

  // Shown again after removal: a fresh add.
  tray.Show(ico, std::string(kDefaultTrayTip));
  EXPECT_EQ(platform.Names(), (Names{"make-icon", "add"}));
}

TEST(TrayIcon, TextsAreCutToTheirByteLimitsWithoutSplittingACharacter) {
  RecordingPlatform platform;
  TrayIcon tray(platform);
  tray.Show(ico, std::string(kDefaultTrayTip));

  tray.SetTip(std::string(200, 'x'));
  EXPECT_EQ(LastRecord(platform).tip, std::string(127, 'x'));
  tray.SetTip(std::string(127, 'y'));
  EXPECT_EQ(LastRecord(platform).tip, std::string(127, 'y'));
  // 100 two-byte characters: byte 127 is a lead byte, so the cut falls after byte 126.
  std::string chinese;
  for (int i = 0; i < 100; ++i) chinese += "生";
  tray.SetTip(chinese);
  EXPECT_EQ(LastRecord(platform).tip, chinese.substr(0, 126));
  tray.SetTip("a" + chinese);
  EXPECT_EQ(LastRecord(platform).tip, ("a" + chinese).substr(0, 127));
  // A character outside GBK counts as its four GB 18030 bytes and is never cut: after "ab",
  // 31 of them fill 126 bytes and the next would end past 127.
  std::string beyond;
  for (int i = 0; i < 40; ++i) beyond += "\x99\x38\xCD\x31";
  for (const char* before : {"ab", "abc", "abcd"}) {
    tray.SetTip(before + beyond);
    const size_t kept = 127 - (127 - std::strlen(before)) % 4;
    EXPECT_EQ(LastRecord(platform).tip, (before + beyond).substr(0, kept)) << before;
  }

  std::string longText;
  for (int i = 0; i < 200; ++i) longText += "日";
  tray.ShowBalloon(longText, longText, 1, 5000, false);
  TrayRecord record = LastRecord(platform);
  EXPECT_EQ(record.balloonTitle.size(), 62u);
  EXPECT_EQ(record.balloonText.size(), 254u);
  tray.ShowBalloon("a" + longText, "a" + longText, 1, 5000, false);
  record = LastRecord(platform);
  EXPECT_EQ(record.balloonTitle.size(), 63u);
  EXPECT_EQ(record.balloonText.size(), 255u);
  EXPECT_EQ(record.balloonText, ("a" + longText).substr(0, 255));
  tray.ShowBalloon("标题", "正文", 1, 5000, false);
  EXPECT_EQ(LastRecord(platform).balloonTitle, "标题");
  EXPECT_EQ(LastRecord(platform).balloonText, "正文");
}

TEST(TrayIcon, BalloonUsesTheInfoFlagAndItsTimerTakesItAway) {
  RecordingPlatform platform;
  TrayIcon tray(platform);
  tray.Show(ico, std::string(kDefaultTrayTip));
  platform.calls.clear();

  tray.ShowBalloon("生日提醒", "张三 还有3天", 1, 5000, true);
  EXPECT_EQ(platform.Names(), (Names{"modify", "start-timer"}));
  const TrayRecord& shown = platform.calls[0].record;
  EXPECT_EQ(shown.flags, 16u);
  EXPECT_EQ(shown.balloonTitle, "生日提醒");
  EXPECT_EQ(shown.balloonText, "张三 还有3天");
  EXPECT_EQ(shown.balloonIcon, 1u);
  EXPECT_EQ(shown.tip, "寿辰备忘录！");  // fields keep their last values
  EXPECT_EQ(platform.calls[1].number, 741852u);
  EXPECT_EQ(platform.timeout, 5000);

  // The timer's message reaches the icon through the window; another timer's is not its.
  platform.calls.clear();
  EXPECT_FALSE(tray.OnTimer(1));
  EXPECT_TRUE(platform.calls.empty());
  EXPECT_TRUE(tray.OnTimer(kBalloonTimerId));
  EXPECT_EQ(platform.Names(), (Names{"stop-timer", "modify"}));
  EXPECT_EQ(platform.calls[0].number, 741852u);
  const TrayRecord& hidden = platform.calls[1].record;
  EXPECT_EQ(hidden.flags, 16u);
  EXPECT_EQ(hidden.balloonTitle, "");
  EXPECT_EQ(hidden.balloonText, "");
  EXPECT_EQ(hidden.balloonIcon, 0u);

  // Without the flag no timer runs.
  platform.calls.clear();
  tray.ShowBalloon("t", "x", 1, 5000, false);
  EXPECT_EQ(platform.Names(), (Names{"modify"}));
}

TEST(TrayIcon, ReaddsAfterTaskbarRestartOnlyWhileShown) {
  RecordingPlatform platform;
  TrayIcon tray(platform);
  // Before the icon is shown the taskbar's restart adds nothing.
  tray.OnTaskbarCreated();
  EXPECT_TRUE(platform.calls.empty());
  tray.Show(ico, std::string(kDefaultTrayTip));

  // After a balloon, the taskbar restart brings back the icon with flags 7 and its tip.
  tray.SetTip("下一个生日");
  tray.ShowBalloon("t", "x", 1, 5000, false);
  platform.calls.clear();
  tray.OnTaskbarCreated();
  ASSERT_EQ(platform.Names(), (Names{"add"}));
  const TrayRecord& again = platform.calls[0].record;
  EXPECT_EQ(again.flags, 7u);
  EXPECT_EQ(again.tip, "下一个生日");
  EXPECT_EQ(again.icon, 101u);

  // Once removed (the window's destruction does it), a restart adds nothing.
  tray.Remove();
  platform.calls.clear();
  tray.OnTaskbarCreated();
  EXPECT_TRUE(platform.calls.empty());
}

}  // namespace
}  // namespace memo
