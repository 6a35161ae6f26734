#include "window_logic/upcoming_list_view.h"

#include "reckoning/next_birthday.h"

namespace memo {

std::vector<std::string> UpcomingCells(const UpcomingEntry& entry) {
  const Friend& person = entry.person;
  return {person.name,
          entry.nextBirthday,
          person.birthday.calendarName(),
          entry.age + entry.mark,
          person.contact,
          CountdownText(entry.days)};
}

}  // namespace memo
