// The directory of a Windows icon file (ICO): where its first image lies. The tray icon is
// made from that image alone.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace memo {

struct IconEntry {
  int width = 0;  // pixels; the byte 0 stands for 256
  int height = 0;
  int bitCount = 0;
  uint32_t byteCount = 0;
  uint32_t offset = 0;  // of the image's bytes from the start of the file
};

// The first directory entry, or nothing when the file is no icon file or the entry's bytes
// do not lie inside it.
std::optional<IconEntry> FirstIconEntry(const std::string& icoFile);

// The bytes of the first image, empty when there is none.
std::string FirstIconImage(const std::string& icoFile);

}  // namespace memo
