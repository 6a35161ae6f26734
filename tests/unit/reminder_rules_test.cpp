// The reminder rules: which alerts come at which moment, as the reminder window shows them,
// with what the user did stored in between.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "datetime/clock.h"
#include "datetime/local_minute.h"
#include "window_logic/reminder_rules.h"

namespace memo {
namespace {

constexpr int kNine = 9 * 60;

int64_t At(const std::string& moment) {
  return MinuteNumberOf(ReadLocalMoment(moment).value());
}

std::string DayText(DayNumber day) {
  const CivilDate c = day.civil();
  char text[16];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", c.year, c.month, c.day);
  return text;
}

// One friend's alerts as the program meets them, the user acting on each one shown.
struct Reminders {
  Reminders(const std::string& birthday, bool lunar, int ticks)
      : friends{{7, "王小明", ReadBirthday(birthday, lunar), ""}}, settings{kNine, ticks} {}

  // The alerts due at the moment, "alert day" with " missed" or " snoozed", each then
  // recorded with `action`.
  std::vector<std::string> At(int64_t now, AlertAction action = AlertAction::kShown,
                              int64_t until = 0) {
    std::vector<std::string> shown;
    for (const DueAlert& alert : DueAlerts(friends, settings, AlertStateIndex(states), now)) {
      shown.push_back(DayText(alert.alertDay) + (alert.missed ? " missed" : "") +
                      (alert.snoozed ? " snoozed" : ""));
      states.push_back(StateOf(friends[alert.friendIndex], alert, action, until));
    }
    return shown;
  }
  // Every alert day met when the program runs at the reminder time of each day.
  std::vector<std::string> Daily(const std::string& from, const std::string& to) {
    std::vector<std::string> shown;
    for (DayNumber day = ParseIsoDate(from); day <= ParseIsoDate(to); day = day + 1) {
      for (const std::string& alert : At(MinuteNumber(day, kNine))) shown.push_back(alert);
    }
    return shown;
  }

  std::vector<Friend> friends;
  ReminderSettings settings;
  std::vector<AlertState> states;
};

using Days = std::vector<std::string>;

TEST(ReminderRules, AlertDaysOfEachTickSet) {
  const int all = (1 << 6) - 1;
  struct Case {
    const char* birthday;
    bool lunar;
    int ticks;
    const char *from, *to;
    Days expected;
  } cases[] = {
      // Across the year's end.
      {"1990年1月2日",
       false,
       kDefaultAlertTicks,
       "2024-12-01",
       "2025-01-10",
       {"2024-12-26", "2025-01-01", "2025-01-02"}},
      {"1990年1月2日",
       false,
       all,
       "2024-11-01",
       "2025-01-10",
       {"2024-12-03", "2024-12-18", "2024-12-26", "2024-12-30", "2025-01-01", "2025-01-02"}},
      {"1990年12月31日",
       false,
       kAlertOnTheDay | kAlertThirtyDaysBefore,
       "2024-11-01",
       "2025-01-05",
       {"2024-12-01", "2024-12-31"}},
      // 2月29日 on 2月28日 in a common year, on itself in a leap year.
      {"2000年2月29日",
       false,
       kAlertOnTheDay | kAlertOneDayBefore,
       "2025-02-20",
       "2025-03-05",
       {"2025-02-27", "2025-02-28"}},
      {"2000年2月29日",
       false,
       kAlertOnTheDay | kAlertOneDayBefore,
       "2028-02-20",
       "2028-03-05",
       {"2028-02-28", "2028-02-29"}},
      // Lunar: the solar day of the occurrence. 腊月三十 on 廿九 in a year whose month is short.
      {"1980年1月1日",
       true,
       kAlertOnTheDay | kAlertThreeDaysBefore,
       "2025-01-01",
       "2025-02-10",
       {"2025-01-26", "2025-01-29"}},
      {"1980年12月30日",
       true,
       kAlertOnTheDay | kAlertFifteenDaysBefore,
       "2025-01-01",
       "2025-02-10",
       {"2025-01-13", "2025-01-28"}},
      // A leap month: on itself where the year has it, else on the ordinary month.
      {"1987年6月5日[闰月]",
       true,
       kAlertOnTheDay | kAlertSevenDaysBefore,
       "2025-06-01",
       "2025-08-10",
       {"2025-07-22", "2025-07-29"}},
      {"2020年4月8日[闰月]",
       true,
       kAlertOnTheDay | kAlertSevenDaysBefore,
       "2023-05-01",
       "2023-06-10",
       {"2023-05-19", "2023-05-26"}},
      // No tick, no alert.
      {"1990年1月2日", false, 0, "2024-12-01", "2025-01-10", {}},
  };
  for (const Case& c : cases) {
    Reminders reminders(c.birthday, c.lunar, c.ticks);
    EXPECT_EQ(reminders.Daily(c.from, c.to), c.expected) << c.birthday << " from " << c.from;
  }
}

TEST(ReminderRules, MissedAlertsAfterDaysOff) {
  // The program last ran at `stopped`, before any alert of 2025-03-10, and starts again.
  constexpr char kStopped[] = "2025-03-02T20:00";
  struct Case {
    const char *stopped, *start;
    int ticks;
    Days expected;
  } cases[] = {
      {kStopped, "2025-03-04T08:00", kDefaultAlertTicks, {"2025-03-03 missed"}},  // 1 day off
      // 3 days off; the latest passed alert says what the earlier ones would.
      {kStopped, "2025-03-06T08:00", kDefaultAlertTicks, {"2025-03-03 missed"}},
      {kStopped, "2025-03-10T08:59", kDefaultAlertTicks, {"2025-03-09 missed"}},
      {kStopped, "2025-03-10T09:00", kDefaultAlertTicks, {"2025-03-10"}},
      // The birthday passed by 7 days, then by 8.
      {kStopped, "2025-03-17T23:00", kDefaultAlertTicks, {"2025-03-10 missed"}},
      {kStopped, "2025-03-18T08:00", kDefaultAlertTicks, {}},
      {kStopped, "2025-04-11T10:00", kDefaultAlertTicks, {}},  // 40 days off
      // At most 30 days after it fell due, even for a birthday a day past.
      {"2025-02-07T20:00", "2025-03-10T10:00", kAlertThirtyDaysBefore, {"2025-02-08 missed"}},
      {"2025-02-07T20:00", "2025-03-11T10:00", kAlertThirtyDaysBefore, {}},
  };
  for (const Case& c : cases) {
    Reminders reminders("1990年3月10日", false, c.ticks);
    EXPECT_EQ(reminders.At(At(c.stopped)), Days{});
    EXPECT_EQ(reminders.At(At(c.start)), c.expected) << c.start;
    EXPECT_EQ(reminders.At(At(c.start)), Days{}) << c.start << " twice";
  }
}

// Each step: the clock shows this moment, the alerts it brings are shown.
struct Step {
  const char* now;
  Days expected;
};

void Walk(Reminders& reminders, const std::vector<Step>& steps) {
  for (const Step& step : steps) EXPECT_EQ(reminders.At(At(step.now)), step.expected) << step.now;
}

TEST(ReminderRules, ClockSetBackOrForwardNeitherSkipsNorRepeats) {
  Reminders reminders("1990年3月10日", false, kDefaultAlertTicks | kAlertThreeDaysBefore);
  Walk(reminders, {
                      {"2025-03-03T10:00", {"2025-03-03"}},
                      {"2025-03-07T08:00", {}},
                      {"2025-03-07T10:00", {"2025-03-07"}},  // forward over 09:00
                      {"2025-03-07T08:30", {}},              // back before it
                      {"2025-03-07T09:00", {}},
                      {"2025-03-09T09:30", {"2025-03-09"}},
                      {"2025-03-07T09:30", {}},                     // back to an earlier alert day
                      {"2025-03-11T08:00", {"2025-03-10 missed"}},  // forward over the day
                      {"2025-03-10T09:30", {}},
                  });
}

TEST(ReminderRules, SnoozeComesBackOnceAcrossMidnight) {
  Reminders reminders("1990年3月10日", false, kDefaultAlertTicks);
  EXPECT_EQ(reminders.At(At("2025-03-09T23:30"), AlertAction::kSnoozed, At("2025-03-10T00:30")),
            Days{"2025-03-09"});
  Walk(reminders, {
                      {"2025-03-10T00:29", {}},
                      {"2025-03-10T00:30", {"2025-03-09 snoozed"}},
                      {"2025-03-10T00:31", {}},
                      {"2025-03-10T09:00", {"2025-03-10"}},
                  });
  EXPECT_EQ(NextAlertMinute(reminders.settings, AlertStateIndex(reminders.states),
                            At("2025-03-10T09:00")),
            At("2025-03-11T09:00"));
}

TEST(ReminderRules, SnoozeChoicesAndTheNextWake) {
  struct Case {
    SnoozeChoice choice;
    const char *now, *until;
  } cases[] = {
      {SnoozeChoice::kTenMinutes, "2025-12-31T23:55", "2026-01-01T00:05"},
      {SnoozeChoice::kOneHour, "2024-02-28T23:30", "2024-02-29T00:30"},
      {SnoozeChoice::kTonight, "2025-03-09T19:59", "2025-03-09T20:00"},
      {SnoozeChoice::kTonight, "2025-03-09T20:00", "2025-03-10T20:00"},
      {SnoozeChoice::kTomorrowMorning, "2025-12-31T09:00", "2026-01-01T09:00"},
  };
  for (const Case& c : cases) EXPECT_EQ(SnoozeUntil(c.choice, At(c.now)), At(c.until)) << c.now;

  Reminders reminders("1990年3月10日", false, kDefaultAlertTicks);
  reminders.At(At("2025-03-09T10:00"), AlertAction::kSnoozed, At("2025-03-09T10:10"));
  const AlertStateIndex states(reminders.states);
  EXPECT_EQ(NextAlertMinute(reminders.settings, states, At("2025-03-09T10:00")),
            At("2025-03-09T10:10"));
  EXPECT_EQ(NextAlertMinute(reminders.settings, states, At("2025-03-09T10:10")),
            At("2025-03-10T09:00"));
  EXPECT_EQ(NextAlertMinute(reminders.settings, states, At("2025-03-09T08:00")),
            At("2025-03-09T09:00"));
}

TEST(ReminderRules, GreetedEndsOneOccurrenceOnly) {
  Reminders reminders("1990年3月10日", false, kDefaultAlertTicks);
  EXPECT_EQ(reminders.At(At("2025-03-03T09:00"), AlertAction::kGreeted), Days{"2025-03-03"});
  EXPECT_EQ(reminders.Daily("2025-03-04", "2026-03-10"),
            (Days{"2026-03-03", "2026-03-09", "2026-03-10"}));
}

TEST(ReminderRules, StatesOfAnotherFriendOrDayAreNoOnes) {
  Reminders reminders("1990年3月10日", false, kAlertOnTheDay);
  EXPECT_EQ(reminders.At(At("2025-03-10T09:00"), AlertAction::kGreeted), Days{"2025-03-10"});
  // The row went to someone else (deleted, another added; a backup restored).
  reminders.friends[0].name = "李四";
  EXPECT_EQ(reminders.At(At("2025-03-10T09:05")), Days{"2025-03-10"});
  // Moved to another day: that day's occurrence has alerts of its own.
  reminders.friends[0].birthday = ReadBirthday("1990年3月12日", false);
  EXPECT_EQ(reminders.At(At("2025-03-12T09:00")), Days{"2025-03-12"});
}

TEST(ReminderRules, MissedFirstThenByOccurrence) {
  std::vector<Friend> friends;
  for (const char* birthday : {"1990年3月12日", "1990年3月5日", "1990年3月10日", "1990年3月4日"}) {
    friends.push_back(
        {static_cast<int64_t>(friends.size() + 1), birthday, ReadBirthday(birthday, false), ""});
  }
  std::vector<size_t> order;
  for (const DueAlert& alert :
       DueAlerts(friends, {kNine, kDefaultAlertTicks}, AlertStateIndex({}), At("2025-03-05T10:00")))
    order.push_back(alert.friendIndex);
  // Missed: 3-4's of 3-4, 3-10's of 3-3; due today: 3-5's, 3-12's of 3-5.
  EXPECT_EQ(order, (std::vector<size_t>{3, 2, 1, 0}));
}

}  // namespace
}  // namespace memo
