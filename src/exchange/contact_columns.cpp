#include "exchange/contact_columns.h"

#include <algorithm>
#include <initializer_list>
#include <iterator>

#include "exchange/exchange_text.h"

namespace memo {
namespace {

struct Titles {
  size_t ContactColumns::*column;
  std::initializer_list<const char*> titles;  // best first
};
const Titles kTitles[] = {
    {&ContactColumns::name, {"姓名", "Name"}},
    {&ContactColumns::given, {"Given Name", "First Name"}},
    {&ContactColumns::middle, {"Additional Name", "Middle Name"}},
    {&ContactColumns::family, {"Family Name", "Last Name"}},
    {&ContactColumns::birthday, {"生日", "Birthday"}},
    {&ContactColumns::calendar, {"历法"}},
    {&ContactColumns::calledAs, {"称呼", "Nickname"}},
    {&ContactColumns::groups, {"分组", "Group Membership", "Labels", "Categories"}},
    {&ContactColumns::note, {"备注", "Notes"}},
};
// The first phone number, else the first mail address.
constexpr const char* kContactTitles[] = {"联系方式",      "Phone 1 - Value",  "Mobile Phone",
                                          "Primary Phone", "Home Phone",       "Business Phone",
                                          "Other Phone",   "E-mail 1 - Value", "E-mail Address"};

// The place of the best title found; `rank` keeps how good it was.
void Place(size_t& column, size_t& rank, size_t newRank, size_t position) {
  if (newRank < rank) {
    column = position;
    rank = newRank;
  }
}

bool IsAscii(const std::string& text) {
  for (char c : text) {
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  }
  return true;
}

// The numbers of a date written with slashes, or nothing.
std::optional<std::vector<int>> SlashNumbers(const std::string& text) {
  std::vector<int> numbers(1, -1);
  for (char c : text) {
    if (c == '/') {
      numbers.push_back(-1);
    } else if (c >= '0' && c <= '9' && numbers.back() < 10000) {
      numbers.back() = (numbers.back() < 0 ? 0 : numbers.back() * 10) + (c - '0');
    } else {
      return std::nullopt;
    }
  }
  return numbers;
}

}  // namespace

const char* ContactColumns::Problem() const {
  if (name == kNoColumn && given == kNoColumn && family == kNoColumn) return kNoNameColumn;
  if (birthday == kNoColumn) return kNoBirthdayColumn;
  return nullptr;
}

std::optional<ContactColumns> ContactColumnsOf(const std::vector<std::string>& titles) {
  ContactColumns columns;
  bool known = false;
  std::vector<size_t> ranks(std::size(kTitles), kNoColumn);
  std::vector<std::pair<size_t, size_t>> contacts;  // rank, position
  for (size_t at = 0; at < titles.size(); ++at) {
    const std::string& title = titles[at];
    for (size_t t = 0; t < std::size(kTitles); ++t) {
      size_t rank = 0;
      for (const char* name : kTitles[t].titles) {
        if (EqualsIgnoringCase(title, name)) {
          Place(columns.*kTitles[t].column, ranks[t], rank, at);
          known = true;
        }
        ++rank;
      }
    }
    for (size_t rank = 0; rank < std::size(kContactTitles); ++rank) {
      if (EqualsIgnoringCase(title, kContactTitles[rank])) {
        contacts.emplace_back(rank, at);
        known = true;
      }
    }
  }
  if (!known) return std::nullopt;
  std::sort(contacts.begin(), contacts.end());
  for (const auto& [rank, at] : contacts) columns.contacts.push_back(at);
  return columns;
}

ContactColumns OwnColumnOrder() {
  ContactColumns columns;
  columns.name = 0;
  columns.birthday = 1;
  columns.calendar = 2;
  columns.contacts = {3};
  return columns;
}

std::string NameOfParts(const std::string& family, const std::string& given,
                        const std::string& middle) {
  if (!IsAscii(family + given + middle)) return family + middle + given;
  std::string name;
  for (const std::string& piece : {given, middle, family}) {
    if (!piece.empty()) name += (name.empty() ? "" : " ") + piece;
  }
  return name;
}

std::string ContactDateText(const std::string& text) {
  if (text.compare(0, 2, "--") == 0) return text.substr(2);
  const std::optional<std::vector<int>> numbers = SlashNumbers(text);
  if (!numbers || numbers->size() != 3) return text;
  const int first = (*numbers)[0], second = (*numbers)[1], third = (*numbers)[2];
  if (first == 0 && second == 0 && third == 0) return std::string();
  // Year last only when it is written with four digits; year first stays as it is.
  if (third >= 1000 && first <= 12) {
    return std::to_string(third) + "/" + std::to_string(first) + "/" + std::to_string(second);
  }
  return text;
}

}  // namespace memo
