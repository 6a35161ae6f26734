#include "text/file_operations.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <string>

#include "temp_folder.h"

namespace memo {
namespace {

using testing::ReadFileBytes;
using testing::WriteFileBytes;

class FileOperationsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteFileBytes(folder.File("a"), "same bytes");
    WriteFileBytes(folder.File("b"), "same bytes");
    ASSERT_EQ(link(folder.File("a").c_str(), folder.File("a-link").c_str()), 0);
  }
  testing::TempFolder folder;
};

TEST_F(FileOperationsTest, SameFileIsOneFileByAnyNameNeverAlikeContent) {
  struct Case {
    const char* first;
    const char* second;
    bool same;
  } cases[] = {
      {"a", "a", true},  {"a", "./a", true},   {"a", "a-link", true},
      {"a", "b", false}, {"a", "none", false}, {"none", "none", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(IsSameFile(folder.File(c.first), folder.File(c.second)), c.same)
        << c.first << " " << c.second;
  }
}

TEST_F(FileOperationsTest, ReplaceTakesThePlaceOfAnyFileThereOrLeavesAllAsItWas) {
  WriteFileBytes(folder.File("new"), "new bytes");
  ASSERT_TRUE(ReplaceFileWith(folder.File("new"), folder.File("b")));
  EXPECT_EQ(ReadFileBytes(folder.File("b")), "new bytes");
  EXPECT_FALSE(IsSameFile(folder.File("new"), folder.File("new")));

  EXPECT_FALSE(ReplaceFileWith(folder.File("none"), folder.File("a")));
  EXPECT_EQ(ReadFileBytes(folder.File("a")), "same bytes");
  EXPECT_FALSE(ReplaceFileWith(folder.File("a"), folder.File("missing/a")));
  EXPECT_TRUE(IsSameFile(folder.File("a"), folder.File("a-link")));
}

TEST_F(FileOperationsTest, RemoveSaysWhetherTheFileWent) {
  EXPECT_TRUE(RemoveFile(folder.File("a")));
  EXPECT_FALSE(IsSameFile(folder.File("a"), folder.File("a")));
  EXPECT_TRUE(IsSameFile(folder.File("a-link"), folder.File("a-link")));
  EXPECT_FALSE(RemoveFile(folder.File("a")));
}

}  // namespace
}  // namespace memo
