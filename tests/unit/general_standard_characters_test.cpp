// The characters of the Table of General Standard Chinese Characters that GBK lacks (the
// ones given names are registered in), read from Unicode's own data (Debian's unicode-data),
// through the converters and the birthday table.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <memory>

#include "recorders.h"
#include "records/friend_repository.h"
#include "temp_folder.h"
#include "text/gb18030.h"
#include "text/text_codec.h"

namespace memo {
namespace {

constexpr char kUnihanMappings[] = "/usr/share/unicode/Unihan_OtherMappings.txt.bz2";

// Every code point with a kTGH entry (its place in the 2013 table) that GBK lacks, as UTF-8.
std::vector<std::string> GeneralStandardBeyondGbk() {
  std::vector<std::string> characters;
  const std::string command = std::string("bzcat ") + kUnihanMappings;
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
  if (!pipe) return characters;
  char line[256];
  unsigned codePoint = 0;
  char field[32];
  while (std::fgets(line, sizeof line, pipe.get())) {
    if (std::sscanf(line, "U+%X\t%31s", &codePoint, field) != 2) continue;
    if (std::string(field) != "kTGH" || GbkCode(codePoint) != kNoShortCode) continue;
    std::u16string utf16;
    if (codePoint < 0x10000) {
      utf16 += static_cast<char16_t>(codePoint);
    } else {
      utf16 += static_cast<char16_t>(0xD800 + ((codePoint - 0x10000) >> 10));
      utf16 += static_cast<char16_t>(0xDC00 + (codePoint & 0x3FF));
    }
    characters.push_back(Gb18030ToUtf8(Utf16ToGb18030(utf16)));
  }
  return characters;
}

TEST(GeneralStandardCharacters, ThoseBeyondGbkSurviveConvertersAndTheTable) {
  const std::vector<std::string> characters = GeneralStandardBeyondGbk();
  ASSERT_EQ(characters.size(), 276u) << "is Debian's unicode-data installed?";
  testing::TempFolder folder;
  testing::RecordedErrors errors;
  std::vector<std::string> stored;
  {
    FriendRepository repository(errors);
    ASSERT_TRUE(repository.Open(folder.path()));
    for (const std::string& character : characters) {
      const std::string name = Utf8ToGb18030(u8"王" + character);
      EXPECT_EQ(Gb18030ToUtf8(name), u8"王" + character);
      EXPECT_EQ(Utf16ToGb18030(Gb18030ToUtf16(name)), name);
      repository.Insert(Friend{0, name, ReadBirthday("2000年3月4日", false), name});
      stored.push_back(name);
    }
  }
  FriendRepository repository(errors);
  std::vector<Friend> loaded;
  ASSERT_TRUE(repository.Open(folder.path()));
  ASSERT_TRUE(repository.Load(SortCode::kNameAscending, loaded));
  std::vector<std::string> names;
  for (const Friend& person : loaded) {
    EXPECT_EQ(person.contact, person.name);
    names.push_back(person.name);
  }
  // Every name is there as it was stored (in the name order, which is another test's).
  std::sort(stored.begin(), stored.end());
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, stored);
  EXPECT_TRUE(errors.texts.empty());
}

}  // namespace
}  // namespace memo
