#include "records/friend.h"

namespace memo {
namespace {

bool EndsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

}  // namespace

std::string ListedName(const Friend& person) {
  const std::string& calledAs = person.calledAs;
  if (calledAs.empty() || EndsWith(person.name, "（" + calledAs + "）") ||
      EndsWith(person.name, "(" + calledAs + ")")) {
    return person.name;
  }
  return person.name + "（" + calledAs + "）";
}

}  // namespace memo
