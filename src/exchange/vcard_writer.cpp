#include "exchange/vcard_writer.h"

#include <cstdio>

#include "exchange/content_lines.h"
#include "exchange/lunar_card_date.h"
#include "text/text_codec.h"

namespace memo {
namespace {

bool IsMailAddress(const std::string& contact) {
  const size_t at = contact.find('@');
  return at != std::string::npos && at > 0 && contact.find(' ') == std::string::npos;
}

std::string SolarDate(const Birthday& birthday) {
  char text[16];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", birthday.year, birthday.month, birthday.day);
  return text;
}

void AppendCard(std::string& out, const Friend& person) {
  const Birthday& birthday = person.birthday;
  const std::string name = EscapedText(Gb18030ToUtf8(person.name));
  AppendContentLine(out, "BEGIN:VCARD");
  AppendContentLine(out, "VERSION:3.0");
  AppendContentLine(out, "FN:" + name);
  AppendContentLine(out, "N:" + name + ";;;;");
  if (birthday.lunar()) {
    AppendContentLine(out, "X-ALTBDAY;CALSCALE=chinese:" +
                               LunarCardDigits(birthday.year, birthday.month, birthday.day));
    if (birthday.leap) {
      AppendContentLine(
          out, "NOTE:" + EscapedText(Gb18030ToUtf8(LeapMonthNote(birthday.month, birthday.day))));
    }
  } else {
    AppendContentLine(out, "BDAY:" + SolarDate(birthday));
  }
  if (!person.contact.empty()) {
    AppendContentLine(out, (IsMailAddress(person.contact) ? "EMAIL:" : "TEL:") +
                               EscapedText(Gb18030ToUtf8(person.contact)));
  }
  AppendContentLine(out, "END:VCARD");
}

}  // namespace

CardFile WriteVCards(const std::vector<Friend>& friends) {
  CardFile file;
  for (const Friend& person : friends) {
    if (!person.birthday.ok()) {
      ++file.skipped;
      continue;
    }
    AppendCard(file.bytes, person);
    ++file.cards;
  }
  return file;
}

}  // namespace memo
