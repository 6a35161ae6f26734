#include "exchange/imported_friends.h"

#include "reckoning/birthday.h"
#include "text/gb18030.h"

namespace memo {
namespace {

size_t CharacterCount(const std::string& text) {
  size_t count = 0;
  for (size_t pos = 0; pos < text.size(); pos += Gb18030CharLength(text, pos)) ++count;
  return count;
}

// The reason a name or contact cannot be stored, or nothing.
const char* TextProblem(const std::optional<std::string>& text, const char* notText,
                        const char* tooLong) {
  if (!text) return notText;
  if (CharacterCount(*text) > kMaxImportTextCharacters) return tooLong;
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
      name && name->empty() ? kNoName : TextProblem(name, kNameNotText, kNameTooLong);
  if (!problem) problem = TextProblem(contact, kContactNotText, kContactTooLong);
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
