// Contacts from a vCard file (2.1, 3.0 or 4.0, as phones write them) as friends: the name
// from FN, else from N; the birthday from X-ALTBDAY;CALSCALE=chinese (lunar) when the
// card has one, else from BDAY (solar); the first TEL, else the first EMAIL, as the
// contact. A card without a birthday, without a birth year or with a text that GBK cannot
// hold is refused with its reason.
#pragma once

#include <string_view>

#include "exchange/imported_friends.h"

namespace memo {

ImportRead ReadVCards(std::string_view bytes);

}  // namespace memo
