#include "app/icon_file.h"

namespace memo {
namespace {

// An ICO file starts with its directory: a 6-byte header (reserved, type, image count), then
// a 16-byte entry for each image.
constexpr size_t kHeaderSize = 6;
constexpr size_t kEntrySize = 16;

uint32_t Little(const std::string& bytes, size_t at, int count) {
  uint32_t value = 0;
  for (int i = count - 1; i >= 0; --i) value = value << 8 | static_cast<uint8_t>(bytes[at + i]);
  return value;
}

}  // namespace

std::optional<IconEntry> FirstIconEntry(const std::string& icoFile) {
  if (icoFile.size() < kHeaderSize + kEntrySize) return std::nullopt;
  // Reserved 0, type 1 (icon), at least one image.
  if (Little(icoFile, 0, 2) != 0 || Little(icoFile, 2, 2) != 1 || Little(icoFile, 4, 2) == 0) {
    return std::nullopt;
  }
  const size_t at = kHeaderSize;
  IconEntry entry;
  entry.width = Little(icoFile, at, 1) == 0 ? 256 : static_cast<int>(Little(icoFile, at, 1));
  entry.height =
      Little(icoFile, at + 1, 1) == 0 ? 256 : static_cast<int>(Little(icoFile, at + 1, 1));
  entry.bitCount = static_cast<int>(Little(icoFile, at + 6, 2));
  entry.byteCount = Little(icoFile, at + 8, 4);
  entry.offset = Little(icoFile, at + 12, 4);
  if (entry.byteCount == 0 || entry.offset > icoFile.size() ||
      entry.byteCount > icoFile.size() - entry.offset) {
    return std::nullopt;
  }
  return entry;
}

std::string FirstIconImage(const std::string& icoFile) {
  std::optional<IconEntry> entry = FirstIconEntry(icoFile);
  if (!entry) return std::string();
  return icoFile.substr(entry->offset, entry->byteCount);
}

}  // namespace memo
