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

bool IsControl(char c) {
  return static_cast<unsigned char>(c) < 0x20 || c == 0x7F;
}

bool IsLineSpace(char c) {
  return c == '\t' || c == '\r' || c == '\n';
}

// The text on one line, or false when a control character other than a tab or line break
// is in it. A GBK or UTF-8 character has no byte below 0x40 but its first.
bool OnOneLine(std::string& text) {
  std::string line;
  for (size_t i = 0; i < text.size(); ++i) {
    if (IsLineSpace(text[i])) {
      if (i == 0 || !IsLineSpace(text[i - 1])) line += ' ';
    } else if (IsControl(text[i])) {
      return false;
    } else {
      line += text[i];
    }
  }
  text = std::move(line);
  return true;
}

// Line breaks as LF, tabs kept, other control characters dropped.
std::string CleanNote(const std::string& note) {
  std::string clean;
  for (size_t i = 0; i < note.size(); ++i) {
    const char c = note[i];
    if (c == '\r') {
      if (i + 1 >= note.size() || note[i + 1] != '\n') clean += '\n';
    } else if (c == '\n' || c == '\t' || !IsControl(c)) {
      clean += c;
    }
  }
  return std::string(Trimmed(clean));
}

}  // namespace

const char* ControlProblem(std::string& name, std::string& contact) {
  if (!OnOneLine(name)) return kNameControl;
  if (!OnOneLine(contact)) return kContactControl;
  return nullptr;
}

bool ImportRead::Full() const {
  return friends.size() + refusals.size() >= kMaxImportEntries;
}

// The name is only shown: its control characters are shown as blanks.
void ImportRead::Refuse(int line, const std::string& name, const std::string& reason) {
  size_t end = 0;
  for (size_t count = 0; end < name.size() && count < kMaxRefusedNameCharacters; ++count) {
    end += Gb18030CharLength(name, end);
  }
  std::string shown = name.substr(0, end);
  for (char& c : shown) {
    if (IsControl(c)) c = ' ';
  }
  if (end < name.size()) shown += "…";
  refusals.push_back(Refusal{line, std::move(shown), reason});
}

const char* TextsProblem(std::optional<std::string>& name, std::optional<std::string>& contact) {
  const char* problem =
      name && name->empty() ? kNoName : TextProblem(name, kNameNotText, kNameTooLong);
  if (!problem) problem = TextProblem(contact, kContactNotText, kContactTooLong);
  return problem ? problem : ControlProblem(*name, *contact);
}

void TakeFriend(ImportRead& read, int line, std::optional<std::string> name,
                const std::string& shownName, std::optional<std::string> contact,
                const BirthdayFields& birthday, ContactDetails details) {
  const char* problem = TextsProblem(name, contact);
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
  Friend person(0, *name, stored, *contact);
  std::string calledAs = details.calledAs;
  if (OnOneLine(calledAs)) person.calledAs = std::string(Trimmed(calledAs));
  person.groups = std::move(details.groups);
  person.note = CleanNote(details.note);
  read.friends.push_back(ImportedFriend{line, std::move(person)});
}

}  // namespace memo
