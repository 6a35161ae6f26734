#include "report/greetings.h"

#include <optional>

#include "reckoning/age_forms.h"
#include "report/upcoming_entries.h"
#include "text/program_files.h"
#include "text/text_codec.h"
#include "text/text_operations.h"

namespace memo {
namespace {

constexpr size_t kMaxGreetingsFileBytes = 64 * 1024;
constexpr int kAdultAge = 18;
constexpr int kElderAge = 60;
constexpr char kUtf8Mark[] = "\xEF\xBB\xBF";
constexpr const char* kGroupHeadings[kGreetingGroups] = {"[儿童]", "[成人]", "[长辈]", "[整寿]"};

std::string Trimmed(const std::string& line) {
  const size_t first = line.find_first_not_of(" \t\r");
  if (first == std::string::npos) return std::string();
  return line.substr(first, line.find_last_not_of(" \t\r") - first + 1);
}

bool IsHeading(const std::string& line) {
  return line.front() == '[' && line.back() == ']';
}

// The group a heading opens; nothing for a heading of no group, whose lines are skipped.
std::optional<size_t> GroupOfHeading(const std::string& line) {
  for (size_t group = 0; group < kGreetingGroups; ++group) {
    if (line == kGroupHeadings[group]) return group;
  }
  return std::nullopt;
}

GreetingGroup GroupOf(const Ages& ages, AgeForm form) {
  const int age = CountedAge(ages, form);
  if (age >= kElderAge) {
    return MilestoneName(ages, form).empty() ? GreetingGroup::kElder : GreetingGroup::kMilestone;
  }
  return age < kAdultAge ? GreetingGroup::kChild : GreetingGroup::kAdult;
}

}  // namespace

GreetingBook BuiltInGreetings() {
  return {{
      {"祝%姓名%%寿%快乐，健康成长，天天开心！", "祝%姓名%%寿%快乐，聪明伶俐，快高长大！"},
      {"祝%姓名%%寿%快乐，万事如意，心想事成！", "祝%姓名%%寿%快乐，工作顺利，前程似锦！"},
      {"祝%姓名%%寿%快乐，身体健康，福寿安康！", "祝%姓名%%寿%快乐，笑口常开，健康长寿！"},
      {"祝%姓名%%寿%快乐，福如东海，寿比南山！", "恭祝%姓名%%寿%，松鹤长春，福寿双全！"},
  }};
}

GreetingBook GreetingsFromFile(const std::string& utf8) {
  std::string text = utf8.compare(0, 3, kUtf8Mark) == 0 ? utf8.substr(3) : utf8;
  text = Utf8ToGb18030(text);
  GreetingBook own;
  std::optional<size_t> group;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    const std::string line = Trimmed(text.substr(start, end - start));
    start = end + 1;
    if (line.empty()) continue;
    if (IsHeading(line)) {
      group = GroupOfHeading(line);
    } else if (group) {
      own[*group].push_back(line);
    }
  }
  GreetingBook book = BuiltInGreetings();
  for (size_t g = 0; g < kGreetingGroups; ++g) {
    if (!own[g].empty()) book[g] = std::move(own[g]);
  }
  return book;
}

GreetingBook GreetingsBeside(const std::string& programDirectory) {
  std::string bytes;
  const std::string path = ProgramFilePath(programDirectory, kGreetingsFileName);
  if (ReadWholeFile(path, kMaxGreetingsFileBytes, bytes) != FileRead::kRead) {
    return BuiltInGreetings();
  }
  return GreetingsFromFile(bytes);
}

std::string GreetingFor(const Friend& person, const TodayDates& today, AgeForm form,
                        const GreetingBook& book) {
  const std::optional<Ages> ages = AgesAtOccurrence(person.birthday, today);
  std::string age, occasion = "生日";
  const std::vector<std::string>* greetings = &book[static_cast<size_t>(GreetingGroup::kAdult)];
  size_t pick = 0;
  if (ages) {
    const int counted = CountedAge(*ages, form);
    age = NumberToText(counted);
    const std::string milestone = MilestoneName(*ages, form);
    occasion = milestone.empty() ? age + "岁生日" : milestone;
    greetings = &book[static_cast<size_t>(GroupOf(*ages, form))];
    // Different ages get different greetings of a group; the same age always the same one.
    pick = static_cast<size_t>(counted < 0 ? -counted : counted);
  }
  std::string greeting = (*greetings)[pick % greetings->size()];
  greeting = ReplaceText(greeting, "%年龄%", age);
  greeting = ReplaceText(greeting, "%寿%", occasion);
  // The name last, so that a name is never read as a field. The user greets a friend by what
  // they call them, "妈妈", where they said so.
  return ReplaceText(greeting, "%姓名%",
                     OneLine(person.calledAs.empty() ? person.name : person.calledAs));
}

}  // namespace memo
