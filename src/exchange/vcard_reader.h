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

// The reason a card's birthday is refused, naming the forms that are taken.
inline constexpr char kBadCardBirthday[] =
    "生日不是有效日期（公历如1980-05-03或--05-03，农历如1948-08-15或007800021101）";

}  // namespace memo
