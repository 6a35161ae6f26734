// Friends as the repository gives them, for the tests of the exchange files.
#pragma once

#include <string>
#include <vector>

#include "reckoning/birthday.h"
#include "records/friend.h"

namespace memo::testing {

inline Friend Person(const std::string& name, const std::string& birthday, bool lunar,
                     const std::string& contact = "") {
  return Friend{0, name, ReadBirthday(birthday, lunar), contact};
}

// name|birthday text|农历 or 公历|contact, and |称呼|分组|备注 for a friend with any of
// them, one friend per entry, for comparing lists.
inline std::vector<std::string> Described(const std::vector<Friend>& friends) {
  std::vector<std::string> described;
  for (const Friend& person : friends) {
    described.push_back(person.name + "|" + person.birthday.text + "|" +
                        (person.birthday.lunar() ? "农历" : "公历") + "|" + person.contact);
    if (person.HasDetails()) {
      described.back() += "|" + person.calledAs + "|" + person.groups + "|" + person.note;
    }
  }
  return described;
}

}  // namespace memo::testing
