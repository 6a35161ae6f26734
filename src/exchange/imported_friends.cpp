#include "exchange/imported_friends.h"

#include "reckoning/birthday.h"

namespace memo {
namespace {

// The reason a name or contact cannot be stored, or nothing.
const char* TextProblem(const std::optional<std::string>& text, const char* notGbk,
                        const char* tooLong) {
  if (!text) return notGbk;
  if (text->size() > kMaxImportTextBytes) return tooLong;
  return nullptr;
}

}  // namespace

bool ImportRead::Full() const {
  return friends.size() + refusals.size() >= kMaxImportEntries;
}

void ImportRead::Refuse(int line, const std::string& name, const std::string& reason) {
  refusals.push_back(Refusal{line, name, reason});
}

void TakeFriend(ImportRead& read, int line, const std::optional<std::string>& name,
                const std::string& shownName, const std::optional<std::string>& contact,
                const BirthdayFields& birthday) {
  const char* problem =
      name && name->empty() ? kNoName : TextProblem(name, kNameNotGbk, kNameTooLong);
  if (!problem) problem = TextProblem(contact, kContactNotGbk, kContactTooLong);
  // The stored text is read as the program reads every stored text, so that whatever it
  // refuses to count is refused here.
  Birthday stored;
  if (!problem) {
    stored = ReadBirthday(
        BirthdayOf(birthday.lunar, birthday.year, birthday.month, birthday.day, birthday.leap).text,
        birthday.lunar);
    if (!stored.ok()) problem = kBadBirthday;
  }
  if (problem) {
    read.Refuse(line, shownName, problem);
    return;
  }
  read.friends.push_back(ImportedFriend{line, Friend{0, *name, stored, *contact}});
}

}  // namespace memo
