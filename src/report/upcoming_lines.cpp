#include "report/upcoming_lines.h"

#include "datetime/date_time.h"

namespace memo {

// Colours of a contrast of at least 4.5:1 on white, each keeping the hue of the first design.
const SectionHeading kSectionHeadings[kUpcomingSectionCount] = {
    {{0xE00000, 6, Face::kHei, false}, "今天生日"},
    {{0x0000FF, 6, Face::kHei, false}, "明天生日"},
    {{0x1A8000, 6, Face::kDefault, true}, "最近生日"},
};

UpcomingSection SectionOf(const UpcomingEntry& entry) {
  if (entry.days == 0) return UpcomingSection::kToday;
  return entry.days == 1 ? UpcomingSection::kTomorrow : UpcomingSection::kLater;
}

std::string TodayLineText(const TodayDates& today) {
  return "今天是 公历" + DateToText(today.solar) + " 农历" + LunarDateText(today.lunar);
}

std::vector<std::string> EntryLineParts(const UpcomingEntry& entry) {
  const Friend& person = entry.person;
  const std::string age = entry.age.empty() ? std::string() : "(" + entry.age + ")";
  std::vector<std::string> parts = {OneLine(ListedName(person)) + age + entry.mark,
                                    person.birthday.calendarName() + entry.nextBirthday};
  if (SectionOf(entry) == UpcomingSection::kLater) {
    parts.push_back("还有" + NumberToText(entry.days) + "天生日");
  }
  if (!person.contact.empty()) parts.push_back("联系方式：" + OneLine(person.contact));
  return parts;
}

}  // namespace memo
