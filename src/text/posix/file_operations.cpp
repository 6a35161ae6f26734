#include "text/file_operations.h"

#include <dirent.h>
#include <sys/stat.h>

#include <cstdio>

#include "text/text_codec.h"

namespace memo {

bool IsSameFile(const std::string& first, const std::string& second) {
  struct stat one = {}, other = {};
  return stat(Gb18030ToUtf8(first).c_str(), &one) == 0 &&
         stat(Gb18030ToUtf8(second).c_str(), &other) == 0 && one.st_dev == other.st_dev &&
         one.st_ino == other.st_ino;
}

bool ReplaceFileWith(const std::string& from, const std::string& to) {
  return std::rename(Gb18030ToUtf8(from).c_str(), Gb18030ToUtf8(to).c_str()) == 0;
}

bool RemoveFile(const std::string& path) {
  return std::remove(Gb18030ToUtf8(path).c_str()) == 0;
}

std::vector<std::string> NamesIn(const std::string& directory) {
  std::vector<std::string> names;
  DIR* listing = opendir(Gb18030ToUtf8(directory).c_str());
  if (!listing) return names;
  while (const dirent* entry = readdir(listing)) {
    const std::string name = entry->d_name;
    if (name != "." && name != "..") names.push_back(Utf8ToGb18030(name));
  }
  closedir(listing);
  return names;
}

}  // namespace memo
