// Contacts from a vCard file (2.1, 3.0 or 4.0, as phones write them) as friends: the name
// from FN, else from N; the birthday from X-ALTBDAY;CALSCALE=chinese (lunar) when the
// card has one, else from BDAY (solar); the first TEL, else the first EMAIL, as the
// contact. A card without a birthday, without a birth year or with a text that GBK cannot
// hold is refused with its reason.
#pragma once

#include <optional>
#include <string_view>

#include "exchange/imported_friends.h"

namespace memo {

// The encoding is the one chosen, or else the one the bytes tell; a property naming its
// CHARSET is read in that.
ImportRead ReadVCards(std::string_view bytes, std::optional<FileEncoding> encoding = std::nullopt);

}  // namespace memo
