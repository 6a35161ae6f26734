// The settings layer's path texts: roots by code and the split into key and value name.
#include <gtest/gtest.h>

#include "settings/registry_path.h"

namespace memo {
namespace {

TEST(RegistryPath, RootCodesOneToFiveAndEverythingElseTheCurrentUser) {
  EXPECT_EQ(RegistryRootFromCode(1), RegistryRoot::kClassesRoot);
  EXPECT_EQ(RegistryRootFromCode(2), RegistryRoot::kCurrentConfig);
  EXPECT_EQ(RegistryRootFromCode(3), RegistryRoot::kCurrentUser);
  EXPECT_EQ(RegistryRootFromCode(4), RegistryRoot::kLocalMachine);
  EXPECT_EQ(RegistryRootFromCode(5), RegistryRoot::kUsers);
  for (int code : {0, 6, -1, 1000}) {
    EXPECT_EQ(RegistryRootFromCode(code), RegistryRoot::kCurrentUser) << code;
  }
}

TEST(RegistryPath, SplitsAtTheLastBackslashThatIsACharacterOfItsOwn) {
  struct Case {
    std::string path, key, value;
  } cases[] = {
      {"Software\\Tavelin\\tanchu", "Software\\Tavelin", "tanchu"},
      {"tanchu", "", "tanchu"},
      {"", "", ""},
      {"Software\\Tavelin\\", "Software\\Tavelin", ""},
      {"\\value", "", "value"},
      // 淺 is 9C 5C: its second byte is a backslash and does not split.
      {"Software\\淺", "Software", "淺"},
      {"Software\\名淺字", "Software", "名淺字"},
      {"淺\\值", "淺", "值"},
      {"键\\淺\\淺淺", "键\\淺", "淺淺"},
  };
  for (const Case& c : cases) {
    RegistryPath split = SplitRegistryPath(c.path);
    EXPECT_EQ(split.key, c.key) << c.path;
    EXPECT_EQ(split.value, c.value) << c.path;
  }
}

TEST(RegistryPath, ALeadByteWithoutItsSecondByteEndsTheScan) {
  // The dangling lead byte at the end hides nothing after it; the earlier backslash counts.
  RegistryPath split = SplitRegistryPath(std::string("a\\b\x81"));
  EXPECT_EQ(split.key, "a");
  EXPECT_EQ(split.value, std::string("b\x81"));
  // A zero byte in the second position stops the scan before the later backslash.
  split = SplitRegistryPath(std::string("a\\b\x81\0\\c", 7));
  EXPECT_EQ(split.key, "a");
}

}  // namespace
}  // namespace memo
