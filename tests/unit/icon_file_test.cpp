// The ICO directory: the first image's place, and files that are no icon files.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "app/icon_file.h"

namespace memo {
namespace {

std::string Bytes(std::initializer_list<int> values) {
  std::string bytes;
  for (int v : values) bytes += static_cast<char>(v);
  return bytes;
}

// A directory of `count` entries whose first names `size` bytes at `offset`, then filler.
std::string IcoFile(int count, int width, uint32_t size, uint32_t offset, size_t total) {
  std::string file = Bytes({0, 0, 1, 0, count, 0});
  file += Bytes({width, width, 0, 0, 1, 0, 32, 0});
  for (int i = 0; i < 4; ++i) file += static_cast<char>(size >> (8 * i));
  for (int i = 0; i < 4; ++i) file += static_cast<char>(offset >> (8 * i));
  file.resize(total, 'x');
  return file;
}

TEST(IconFile, ReadsTheFirstEntry) {
  std::string file = IcoFile(1, 64, 10, 22, 32);
  std::optional<IconEntry> entry = FirstIconEntry(file);
  ASSERT_TRUE(entry);
  EXPECT_EQ(entry->width, 64);
  EXPECT_EQ(entry->height, 64);
  EXPECT_EQ(entry->bitCount, 32);
  EXPECT_EQ(entry->byteCount, 10u);
  EXPECT_EQ(entry->offset, 22u);
  EXPECT_EQ(FirstIconImage(file), std::string(10, 'x'));
  EXPECT_EQ(FirstIconEntry(IcoFile(1, 0, 10, 22, 32))->width, 256);
}

TEST(IconFile, RejectsFilesThatAreNoIconsOrPointOutside) {
  EXPECT_FALSE(FirstIconEntry(""));
  EXPECT_FALSE(FirstIconEntry(IcoFile(1, 64, 10, 22, 32).substr(0, 21)));
  EXPECT_FALSE(FirstIconEntry(IcoFile(0, 64, 10, 22, 32)));  // no image
  std::string cursor = IcoFile(1, 64, 10, 22, 32);
  cursor[2] = 2;
  EXPECT_FALSE(FirstIconEntry(cursor));
  EXPECT_FALSE(FirstIconEntry(IcoFile(1, 64, 11, 22, 32)));           // one byte too many
  EXPECT_FALSE(FirstIconEntry(IcoFile(1, 64, 10, 4000000000u, 32)));  // far outside
  EXPECT_FALSE(FirstIconEntry(IcoFile(1, 64, 0xFFFFFFFFu, 22, 32)));  // would wrap around
  EXPECT_FALSE(FirstIconEntry(IcoFile(1, 64, 0, 22, 32)));
  EXPECT_EQ(FirstIconImage(IcoFile(1, 64, 11, 22, 32)), "");
}

TEST(IconFile, TheBuiltInTrayIconHoldsFiveSizesLargestFirst) {
  std::ifstream in(std::string(SOURCE_DIR) + "/res/tray.ico", std::ios::binary);
  ASSERT_TRUE(in);
  std::string file((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::optional<IconEntry> first = FirstIconEntry(file);
  ASSERT_TRUE(first);
  EXPECT_EQ(first->width, 64);
  EXPECT_EQ(first->height, 64);
  EXPECT_EQ(first->bitCount, 32);
  ASSERT_EQ(static_cast<uint8_t>(file[4]), 5);
  const int sizes[] = {64, 48, 32, 24, 16};
  for (int i = 0; i < 5; ++i) {
    const size_t at = 6 + 16 * i;
    EXPECT_EQ(static_cast<uint8_t>(file[at]), sizes[i]) << i;
    EXPECT_EQ(static_cast<uint8_t>(file[at + 6]), 32) << i;  // bits per pixel
  }
  // The image is a bitmap (BITMAPINFOHEADER, 40 bytes), not a PNG, 64 wide and 128 high
  // (colour and mask).
  std::string image = FirstIconImage(file);
  ASSERT_GE(image.size(), 40u);
  EXPECT_EQ(static_cast<uint8_t>(image[0]), 40);
  EXPECT_EQ(static_cast<uint8_t>(image[4]), 64);
  EXPECT_EQ(static_cast<uint8_t>(image[8]), 128);
}

}  // namespace
}  // namespace memo
