#include "window_logic/upcoming_list_view.h"

#include "reckoning/age.h"
#include "reckoning/next_birthday.h"

namespace memo {

std::vector<std::string> UpcomingCells(const UpcomingEntry& entry) {
  const Friend& person = entry.person;
  return {ListedName(person),
          entry.nextBirthday,
          person.birthday.calendarName(),
          entry.age.empty() ? std::string(kNoAge) : entry.age + entry.mark,
          person.contact,
          CountdownText(entry.days)};
}

}  // namespace memo
