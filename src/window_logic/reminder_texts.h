// What the reminder window and the command line say of a due alert. Texts are GBK.
#pragma once

#include <string>

#include "records/friend.h"
#include "settings/settings_names.h"
#include "window_logic/reminder_rules.h"

namespace memo {

inline constexpr char kMissedAlertsTitle[] = "错过的提醒";

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

}  // namespace memo
