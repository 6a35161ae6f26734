// What the reminder window and the command line say of a due alert. Texts are GBK.
#pragma once

#include <string>
#include <vector>

#include "records/friend.h"
#include "settings/settings_names.h"
#include "window_logic/reminder_rules.h"

namespace memo {

inline constexpr char kMissedAlertsTitle[] = "错过的提醒";
inline constexpr char kSnoozedAlertText[] = "稍后提醒";

// The one place that makes the name a reminder shows for a friend.
std::string ShownName(const Friend& person);

struct ReminderLine {
  std::string name;
  std::string occurrence;  // "5月3日", "十一月初七（12月26日）"
  std::string age;         // reached that day, with the 整寿 mark: "70岁（七十大寿）"
  std::string countdown;   // "今天生日", "明天生日", "还有7天", "已过2天"
  std::string contact;
  std::string due;  // a missed alert's day, "3月3日的提醒"; "稍后提醒" for a snooze come back
};
ReminderLine ReminderLineOf(const Friend& person, const DueAlert& alert, DayNumber today,
                            AgeForm form);

// The reminder window's cells of a line: name, date, age, countdown, contact, and for a missed
// alert "错过的提醒（3月3日的提醒）".
std::vector<std::string> ReminderCells(const ReminderLine& line);
// The balloon that announces the alerts: "王小明今天生日", "王小明还有7天", "3位好友最近过生日".
std::string ReminderBalloonText(const std::vector<ReminderLine>& lines);

}  // namespace memo
