// The settings window's load, days check, arrows and saves, over a form that behaves like
// the real controls (setting the days text raises the change event) and the in-memory store.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "settings/settings_names.h"
#include "window_logic/close_choice.h"
#include "window_logic/settings_window_logic.h"

namespace memo {
namespace {

class FakeSettingsForm : public SettingsForm {
 public:
  std::string DaysText() const override { return days; }
  void SetDaysText(const std::string& text) override {
    days = text;
    wholeDaysSelected = false;
    if (logic) logic->CheckDays();
  }
  void SelectAllDays() override { wholeDaysSelected = true; }
  void FocusDays() override { daysFocused = true; }
  void ShowDaysBalloon(const std::string& text) override { balloon = text; }
  bool TrayBoxChecked() const override { return trayChecked; }
  void SetTrayBoxChecked(bool checked) override { trayChecked = checked; }
  bool PopUpBoxChecked() const override { return popUpChecked; }
  void SetPopUpBoxChecked(bool checked) override { popUpChecked = checked; }
  void EnablePopUpBox(bool enabled) override { popUpEnabled = enabled; }
  std::string ReminderTimeText() const override { return reminderTime; }
  void SetReminderTimeText(const std::string& text) override { reminderTime = text; }
  int AlertTicks() const override { return ticks; }
  void SetAlertTicks(int value) override { ticks = value; }
  bool SoundBoxChecked() const override { return sound; }
  void SetSoundBoxChecked(bool checked) override { sound = checked; }
  bool LogOnBoxChecked() const override { return logOnChecked; }
  void SetLogOnBoxChecked(bool checked) override { logOnChecked = checked; }
  std::string TitleText() const override { return title; }
  void SetTitleText(const std::string& text) override { title = text; }
  AgeForm ChosenAgeForm() const override { return ageForm; }
  void ChooseAgeForm(AgeForm form) override { ageForm = form; }
  CloseChoice ChosenCloseChoice() const override { return closeChoice; }
  void ChooseCloseChoice(CloseChoice choice) override { closeChoice = choice; }
  void ShowError(const std::string& text) override { error = text; }
  void Close() override { closed = true; }

  // Typing replaces the text through the same change event.
  void Type(const std::string& text) { SetDaysText(text); }

  SettingsWindowLogic* logic = nullptr;
  // The window as designed: "10", both boxes unchecked, the pop-up box disabled.
  std::string days = "10";
  bool wholeDaysSelected = false;
  bool daysFocused = false;
  std::string balloon;
  bool trayChecked = false;
  bool popUpChecked = false;
  bool popUpEnabled = false;
  bool logOnChecked = false;
  std::string title;
  AgeForm ageForm = AgeForm::kNominal;  // none checked reads as 周岁; a stale mark must go
  CloseChoice closeChoice = CloseChoice::kExit;  // a stale mark must go
  std::string reminderTime = "09:00";
  int ticks = 0;
  bool sound = false;
  std::string error;
  bool closed = false;
};

class RecordingEffects : public SettingsEffects {
 public:
  void SetCaption(const std::string& text) override { calls.push_back("caption:" + text); }
  void ShowTrayIcon() override { calls.push_back("show-icon"); }
  void RemoveTrayIcon() override { calls.push_back("remove-icon"); }
  void DaysAheadChanged() override { calls.push_back("upcoming-pass"); }
  void AgeFormChanged() override { calls.push_back("ages"); }
  void RemindersChanged() override { calls.push_back("reminders"); }
  bool StartsAtLogOn() override { return startsAtLogOn; }
  bool SetStartAtLogOn(bool on) override {
    calls.push_back(on ? "log-on" : "no-log-on");
    if (logOnRefused) return false;
    startsAtLogOn = on;
    return true;
  }
  bool startsAtLogOn = false;
  bool logOnRefused = false;
  std::vector<std::string> calls;
};

struct SettingsWindowFixture {
  SettingsWindowFixture() { form.logic = &logic; }
  MemorySettingsStore store;
  FakeSettingsForm form;
  RecordingEffects effects;
  SettingsWindowLogic logic{form, store, effects};
};

TEST(SettingsWindow, FirstStartShowsTheDefaults) {
  SettingsWindowFixture window;
  window.logic.Load();
  EXPECT_EQ(window.form.days, "10");
  EXPECT_TRUE(window.form.wholeDaysSelected);
  EXPECT_TRUE(window.form.trayChecked);
  EXPECT_TRUE(window.form.popUpEnabled);
  EXPECT_TRUE(window.form.popUpChecked);
  EXPECT_EQ(window.form.title, "寿辰备忘录");
}

TEST(SettingsWindow, LoadShowsStoredValuesWithZeroAsTenAndOutOfRangeReplaced) {
  struct Case {
    int stored;
    std::string shown;
  } cases[] = {{0, "10"}, {25, "25"}, {360, "360"}, {400, "360"}, {361, "360"}, {-1, "10"}};
  for (const Case& c : cases) {
    SettingsWindowFixture window;
    window.store.WriteNumber(kDaysSetting, c.stored);
    window.logic.Load();
    EXPECT_EQ(window.form.days, c.shown) << c.stored;
    EXPECT_TRUE(window.form.wholeDaysSelected) << c.stored;
  }

  SettingsWindowFixture window;
  window.store.WriteNumber(kTraySetting, 1);
  window.store.WriteNumber(kPopUpSetting, 7);
  window.store.WriteText(kTitleSetting, "我的备忘");
  window.logic.Load();
  EXPECT_FALSE(window.form.trayChecked);
  EXPECT_FALSE(window.form.popUpEnabled);  // stays disabled as designed
  EXPECT_FALSE(window.form.popUpChecked);
  EXPECT_EQ(window.form.title, "我的备忘");

  // A tray value of the wrong kind reads as 0: the icon is shown.
  SettingsWindowFixture textual;
  textual.store.WriteText(kTraySetting, "1");
  textual.logic.Load();
  EXPECT_TRUE(textual.form.trayChecked);
  EXPECT_TRUE(textual.form.popUpEnabled);
}

TEST(SettingsWindow, DaysCheckKeepsZeroToThreeSixtyAndOtherwiseSetsTheNearestWithABalloon) {
  SettingsWindowFixture window;
  window.logic.Load();
  struct Case {
    std::string typed;
    const char* replacement;  // nullptr: kept
  } cases[] = {
      {"-1", "0"},
      {"360", nullptr},
      {"361", "360"},
      {"365", "360"},
      {"0", nullptr},
      {"", nullptr},
      {"-", nullptr},
      {"12abc", nullptr},
      {"360.001", "360"},
      {"-0.00000001", nullptr},
      {"99999999999", "360"},
      {"-0.001", "0"},
  };
  for (const Case& c : cases) {
    window.form.wholeDaysSelected = false;
    window.form.balloon.clear();
    window.form.Type(c.typed);
    EXPECT_EQ(window.form.days, c.replacement ? c.replacement : c.typed) << c.typed;
    EXPECT_EQ(window.form.wholeDaysSelected, c.replacement != nullptr) << c.typed;
    EXPECT_EQ(window.form.balloon, c.replacement ? "提醒天数可以是0到360天" : "") << c.typed;
  }
}

TEST(SettingsWindow, ArrowsStepWithinZeroToThreeFiftyFiveAndWrap) {
  EXPECT_EQ(SteppedDays("10", +1), 11);
  EXPECT_EQ(SteppedDays("10", -1), 9);
  EXPECT_EQ(SteppedDays("355", +1), 0);
  EXPECT_EQ(SteppedDays("354", +1), 355);
  EXPECT_EQ(SteppedDays("0", -1), 355);
  EXPECT_EQ(SteppedDays("1", -1), 0);
  // 361 and 359 both lie outside the arrows' range.
  EXPECT_EQ(SteppedDays("360", +1), 0);
  EXPECT_EQ(SteppedDays("360", -1), 355);
  // The leading whole number counts; none at all reads as 0.
  EXPECT_EQ(SteppedDays("", +1), 1);
  EXPECT_EQ(SteppedDays("abc", -1), 355);
  EXPECT_EQ(SteppedDays("7.5", +1), 8);
  EXPECT_EQ(SteppedDays("-5", +1), 0);
  EXPECT_EQ(SteppedDays("99999999999999999999", -1), 355);

  SettingsWindowFixture window;
  window.logic.Load();
  window.form.Type("355");
  window.logic.StepDays(+1);
  EXPECT_EQ(window.form.days, "0");
  EXPECT_TRUE(window.form.wholeDaysSelected);
  EXPECT_TRUE(window.form.daysFocused);
  window.logic.StepDays(-1);
  EXPECT_EQ(window.form.days, "355");
}

// The upcoming pass runs again when the days it counts change; a stored 0 counts 10.
TEST(SettingsWindow, SaveReminderPageStoresTheWholeDaysRecountsWhenTheyChangeAndCloses) {
  struct Case {
    int before;  // stored when the window opens
    std::string typed;
    int stored;
    bool recounted;
  } cases[] = {{0, "25", 25, true},   {0, "0", 0, false},  {0, "10", 10, false},
               {0, "360", 360, true}, {0, "7.9", 7, true}, {0, "１２", 12, true},
               {25, "25", 25, false}, {25, "0", 0, true}};
  for (const Case& c : cases) {
    SettingsWindowFixture window;
    window.store.WriteNumber(kDaysSetting, c.before);
    window.logic.Load();
    window.form.Type(c.typed);
    window.form.trayChecked = false;  // the other page's changes are not saved
    window.form.title = "别的";
    window.logic.SaveReminderPage();
    EXPECT_EQ(window.store.ReadNumber(kDaysSetting, -99), c.stored) << c.typed;
    EXPECT_TRUE(window.form.closed);
    EXPECT_EQ(window.store.ReadNumber(kTraySetting, -99), -99);
    EXPECT_EQ(window.store.ReadText(kTitleSetting, "none"), "none");
    std::vector<std::string> expected{"no-log-on"};
    if (c.recounted) expected.push_back("upcoming-pass");
    EXPECT_EQ(window.effects.calls, expected) << c.before << " -> " << c.typed;
  }
}

// A text that is no number is refused with the balloon: nothing is stored and the window stays.
TEST(SettingsWindow, SaveReminderPageRefusesATextThatIsNoNumber) {
  for (const char* typed : {"", "-", "12abc", "abc", "1.2.3", "+"}) {
    SettingsWindowFixture window;
    window.store.WriteNumber(kDaysSetting, 25);
    window.logic.Load();
    window.form.Type(typed);
    window.logic.SaveReminderPage();
    EXPECT_EQ(window.store.ReadNumber(kDaysSetting, -99), 25) << typed;
    EXPECT_FALSE(window.form.closed) << typed;
    EXPECT_EQ(window.form.balloon, "提醒天数可以是0到360天") << typed;
    EXPECT_TRUE(window.form.daysFocused && window.form.wholeDaysSelected) << typed;
    EXPECT_TRUE(window.effects.calls.empty()) << typed;
  }
}

TEST(SettingsWindow, LogOnBoxShowsWhetherTheProgramStartsAtLogOnAndOnlyTheReminderPageSavesIt) {
  for (bool starts : {false, true}) {
    SettingsWindowFixture window;
    window.effects.startsAtLogOn = starts;
    window.form.logOnChecked = !starts;
    window.logic.Load();
    EXPECT_EQ(window.form.logOnChecked, starts);
    window.form.logOnChecked = !starts;
    window.logic.SavePersonalisationPage();
    EXPECT_EQ(window.effects.startsAtLogOn, starts);
    window.logic.SaveReminderPage();
    EXPECT_EQ(window.effects.startsAtLogOn, !starts);
  }
}

TEST(SettingsWindow, ARefusedLogOnChangeIsToldAndTheWindowStaysWithTheBoxAsTheSystemKeepsIt) {
  for (bool starts : {false, true}) {
    SettingsWindowFixture window;
    window.effects.startsAtLogOn = starts;
    window.effects.logOnRefused = true;
    window.logic.Load();
    window.form.logOnChecked = !starts;
    window.form.Type("30");
    window.logic.SaveReminderPage();
    EXPECT_EQ(window.form.logOnChecked, starts);
    EXPECT_EQ(window.form.error, "无法更改开机时自动启动");
    EXPECT_FALSE(window.form.closed);
    // The days are saved and counted anyway.
    EXPECT_EQ(window.store.ReadNumber(kDaysSetting, -99), 30);
    EXPECT_EQ(window.effects.calls.back(), "upcoming-pass");
  }
}

TEST(SettingsWindow, SavePersonalisationPageStoresAppliesAndCloses) {
  SettingsWindowFixture shown;
  shown.logic.Load();
  shown.form.title = "新标题";
  shown.form.popUpChecked = false;
  shown.form.Type("99");
  shown.logic.SavePersonalisationPage();
  EXPECT_EQ(shown.store.ReadText(kTitleSetting), "新标题");
  EXPECT_EQ(shown.store.ReadNumber(kTraySetting, -99), 0);
  EXPECT_EQ(shown.store.ReadNumber(kPopUpSetting, -99), 1);
  EXPECT_EQ(shown.store.ReadNumber(kDaysSetting, -99), -99);  // the other page is not saved
  EXPECT_EQ(shown.effects.calls, (std::vector<std::string>{"show-icon", "caption:新标题"}));
  EXPECT_TRUE(shown.form.closed);

  // Unchecking the tray box removes the icon; the pop-up box keeps its mark while disabled.
  SettingsWindowFixture hidden;
  hidden.logic.Load();
  hidden.form.trayChecked = false;
  hidden.logic.TrayBoxClicked();
  EXPECT_FALSE(hidden.form.popUpEnabled);
  EXPECT_TRUE(hidden.form.popUpChecked);
  hidden.form.title = "";
  hidden.logic.SavePersonalisationPage();
  EXPECT_EQ(hidden.store.ReadNumber(kTraySetting, -99), 1);
  EXPECT_EQ(hidden.store.ReadNumber(kPopUpSetting, -99), 0);
  EXPECT_EQ(hidden.store.ReadText(kTitleSetting, "none"), "");
  // An empty title box leaves the window without a caption until the next start.
  EXPECT_EQ(hidden.effects.calls, (std::vector<std::string>{"remove-icon", "caption:"}));

  hidden.form.trayChecked = true;
  hidden.logic.TrayBoxClicked();
  EXPECT_TRUE(hidden.form.popUpEnabled);
}

// 年龄显示 loads as stored (周岁 when missing or unknown); only a change shows the ages again.
TEST(SettingsWindow, AgeFormLoadsAndSavesWithThePersonalisationPage) {
  const struct {
    int stored;  // -1: missing
    AgeForm shown;
    AgeForm chosen;
    bool changed;
  } cases[] = {
      {-1, AgeForm::kFullYears, AgeForm::kFullYears, false},
      {-1, AgeForm::kFullYears, AgeForm::kBoth, true},
      {1, AgeForm::kNominal, AgeForm::kNominal, false},
      {2, AgeForm::kBoth, AgeForm::kFullYears, true},
      {7, AgeForm::kFullYears, AgeForm::kNominal, true},
  };
  for (const auto& c : cases) {
    SettingsWindowFixture window;
    if (c.stored >= 0) window.store.WriteNumber(kAgeSetting, c.stored);
    window.logic.Load();
    EXPECT_EQ(window.form.ageForm, c.shown) << c.stored;
    window.form.ageForm = c.chosen;
    window.logic.SaveReminderPage();
    EXPECT_EQ(window.store.ReadNumber(kAgeSetting, -1), c.stored) << "the other page";
    window.logic.SavePersonalisationPage();
    EXPECT_EQ(AgeFormOf(window.store.ReadNumber(kAgeSetting)), c.chosen) << c.stored;
    const auto& calls = window.effects.calls;
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "ages"), c.changed ? 1 : 0) << c.stored;
  }
}

// 关闭主窗口时: the close box asks until the user keeps an answer, here or on 个性化设置; with
// the tray icon off it always ends the program.
TEST(SettingsWindow, CloseChoiceAskedKeptAndShownOnThePersonalisationPage) {
  const struct {
    int stored;  // -1: missing
    bool trayShown;
    CloseChoice closeBox;
  } cases[] = {
      {-1, true, CloseChoice::kAsk},  {1, true, CloseChoice::kTray},
      {2, true, CloseChoice::kExit},  {9, true, CloseChoice::kAsk},
      {1, false, CloseChoice::kExit}, {-1, false, CloseChoice::kExit},
  };
  for (const auto& c : cases) {
    SettingsWindowFixture window;
    if (c.stored >= 0) window.store.WriteNumber(kCloseSetting, c.stored);
    window.store.WriteNumber(kTraySetting, c.trayShown ? 0 : 1);
    EXPECT_EQ(CloseBoxChoice(window.store), c.closeBox) << c.stored;
    window.logic.Load();
    EXPECT_EQ(window.form.closeChoice, CloseChoiceOf(c.stored)) << c.stored;
  }
  SettingsWindowFixture window;
  KeepCloseAnswer(window.store, CloseChoice::kExit, true);  // asked again next time
  EXPECT_EQ(CloseBoxChoice(window.store), CloseChoice::kAsk);
  KeepCloseAnswer(window.store, CloseChoice::kTray, false);  // 不再询问
  EXPECT_EQ(CloseBoxChoice(window.store), CloseChoice::kTray);
  window.logic.Load();
  window.form.closeChoice = CloseChoice::kExit;
  window.logic.SavePersonalisationPage();
  EXPECT_EQ(CloseBoxChoice(window.store), CloseChoice::kExit);
}

// 提醒时间, 提前提醒 and the sound load with their defaults and save with the reminder page; a
// time that is no time of day saves nothing; a change makes the reminders look again.
TEST(SettingsWindow, ReminderTimeTicksAndSoundSaveWithTheReminderPage) {
  SettingsWindowFixture window;
  window.logic.Load();
  EXPECT_EQ(window.form.reminderTime, "09:00");
  EXPECT_EQ(window.form.ticks, kDefaultAlertTicks);
  EXPECT_FALSE(window.form.sound);
  for (const char* wrong : {"9:00", "24:00", "08:60", "", "九点"}) {
    window.form.reminderTime = wrong;
    window.form.closed = false;
    window.logic.SaveReminderPage();
    EXPECT_FALSE(window.form.closed) << wrong;
    EXPECT_EQ(window.form.error, kReminderTimeText);
    EXPECT_EQ(window.store.ReadNumber(kReminderTimeSetting, -1), -1) << wrong;
  }
  window.form.reminderTime = "20:30";
  window.form.ticks = kAlertOnTheDay | kAlertThirtyDaysBefore;
  window.form.sound = true;
  window.logic.SaveReminderPage();
  EXPECT_TRUE(window.form.closed);
  EXPECT_EQ(window.store.ReadNumber(kReminderTimeSetting), 20 * 60 + 30);
  EXPECT_EQ(window.store.ReadNumber(kAlertTicksSetting), kAlertOnTheDay | kAlertThirtyDaysBefore);
  EXPECT_EQ(window.store.ReadNumber(kReminderSoundSetting), 1);
  EXPECT_EQ(window.effects.calls, (std::vector<std::string>{"reminders", "no-log-on"}));

  SettingsWindowFixture again;  // unchanged: nothing to look at again; no tick is a choice too
  again.store.WriteNumber(kAlertTicksSetting, 0);
  again.logic.Load();
  EXPECT_EQ(again.form.ticks, 0);
  again.logic.SaveReminderPage();
  EXPECT_EQ(again.effects.calls, std::vector<std::string>{"no-log-on"});
  EXPECT_EQ(again.store.ReadNumber(kAlertTicksSetting, -1), 0);
}

}  // namespace
}  // namespace memo
