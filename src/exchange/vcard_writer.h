// Friends as a vCard 3.0 file (UTF-8) that goes back to a phone: one card per friend with
// FN and N, BDAY for a solar birthday, X-ALTBDAY;CALSCALE=chinese for a lunar one (and a
// note naming a leap month), the contact as EMAIL when it is a mail address, else as TEL.
#pragma once

#include <string>
#include <vector>

#include "records/friend.h"

namespace memo {

struct CardFile {
  std::string bytes;  // UTF-8, CR LF
  int cards = 0;
  int skipped = 0;  // friends whose birthday could not be read
};

CardFile WriteVCards(const std::vector<Friend>& friends);

}  // namespace memo
