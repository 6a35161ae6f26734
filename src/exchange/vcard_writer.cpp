#include "exchange/vcard_writer.h"

#include <cstdio>

#include "exchange/content_lines.h"
#include "exchange/lunar_card_date.h"
#include "records/friend_groups.h"
#include "text/text_codec.h"

namespace memo {
namespace {

bool IsMailAddress(const std::string& contact) {
  const size_t at = contact.find('@');
  return at != std::string::npos && at > 0 && contact.find(' ') == std::string::npos;
}

// Without a year, the month and day alone as vCard 4 and ISO 8601 write them: --0501.
std::string SolarDate(const Birthday& birthday) {
  char text[16];
  if (!birthday.hasYear()) {
    std::snprintf(text, sizeof text, "--%02d%02d", birthday.month, birthday.day);
  } else {
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", birthday.year, birthday.month, birthday.day);
  }
  return text;
}

std::string LunarDate(const Birthday& birthday) {
  if (birthday.hasYear()) return LunarCardDigits(birthday.year, birthday.month, birthday.day);
  char text[16];
  std::snprintf(text, sizeof text, "--%02d%02d", birthday.month, birthday.day);
  return text;
}

std::string Text(const std::string& gbk) {
  return EscapedText(Gb18030ToUtf8(gbk));
}

// 称呼, 分组 and 备注 as a phone keeps them.
void AppendDetails(std::string& out, const Friend& person) {
  if (!person.calledAs.empty()) AppendContentLine(out, "NICKNAME:" + Text(person.calledAs));
  if (!person.groups.empty()) {
    std::string categories;
    for (const std::string& group : GroupsOfFriend(person)) {
      categories += (categories.empty() ? "" : ",") + Text(group);
    }
    AppendContentLine(out, "CATEGORIES:" + categories);
  }
  if (!person.note.empty()) AppendContentLine(out, "NOTE:" + Text(person.note));
}

void AppendCard(std::string& out, const Friend& person) {
  const Birthday& birthday = person.birthday;
  const std::string name = EscapedText(Gb18030ToUtf8(person.name));
  AppendContentLine(out, "BEGIN:VCARD");
  AppendContentLine(out, "VERSION:3.0");
  AppendContentLine(out, "FN:" + name);
  AppendContentLine(out, "N:" + name + ";;;;");
  if (birthday.lunar()) {
    AppendContentLine(out, "X-ALTBDAY;CALSCALE=chinese:" + LunarDate(birthday));
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
  AppendDetails(out, person);
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
