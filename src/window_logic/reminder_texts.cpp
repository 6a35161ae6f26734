#include "window_logic/reminder_texts.h"

#include "reckoning/age.h"
#include "reckoning/age_forms.h"
#include "reckoning/next_birthday.h"
#include "report/upcoming_entries.h"

namespace memo {
namespace {

std::string MonthDayText(DayNumber day) {
  const CivilDate civil = day.civil();
  return NumberToText(civil.month) + "月" + NumberToText(civil.day) + "日";
}

std::string Countdown(int days) {
  if (days < 0) return "已过" + NumberToText(-days) + "天";
  if (days <= 1) return CountdownText(days);
  return "还有" + NumberToText(days) + "天";
}

}  // namespace

std::string ShownName(const Friend& person) {
  return OneLine(ListedName(person));
}

ReminderLine ReminderLineOf(const Friend& person, const DueAlert& alert, DayNumber today,
                            AgeForm form) {
  const Birthday& birthday = person.birthday;
  ReminderLine line;
  line.name = ShownName(person);
  line.occurrence = OccurrenceText(birthday, DateTimeOf(alert.occurrence.day));
  if (birthday.hasYear()) {
    const Ages ages = AgesOnBirthday(birthday, alert.occurrence.year, alert.occurrence.day);
    line.age = AgeInForm(ages, form) + MilestoneMark(ages, form);
  } else {
    line.age = kNoAge;
  }
  line.countdown = Countdown(static_cast<int>(alert.occurrence.day - today));
  line.contact = OneLine(person.contact);
  if (alert.snoozed) {
    line.due = kSnoozedAlertText;
  } else if (alert.missed) {
    line.due = MonthDayText(alert.alertDay) + "的提醒";
  }
  return line;
}

std::vector<std::string> ReminderCells(const ReminderLine& line) {
  const bool missed = !line.due.empty() && line.due != kSnoozedAlertText;
  return {
      line.name,    line.occurrence,
      line.age,     line.countdown,
      line.contact, missed ? std::string(kMissedAlertsTitle) + "（" + line.due + "）" : line.due};
}

std::string ReminderBalloonText(const std::vector<ReminderLine>& lines) {
  if (lines.size() != 1) return NumberToText(static_cast<int>(lines.size())) + "位好友最近过生日";
  return lines.front().name + lines.front().countdown;
}

}  // namespace memo
