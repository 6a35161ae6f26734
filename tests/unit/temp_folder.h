// A fresh folder under the system's temporary directory, removed with everything in it
// when the test ends, and small file helpers for tests that use real files.
#pragma once

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace memo::testing {

class TempFolder {
 public:
  TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "memo-test-XXXXXX").string();
    path_ = mkdtemp(pattern.data());
  }
  ~TempFolder() {
    for (const auto& entry : std::filesystem::recursive_directory_iterator(path_)) {
      SetImmutable(entry.path().string(), false);
    }
    std::filesystem::remove_all(path_);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  // ASCII, so the same bytes in GBK and UTF-8.
  const std::string& path() const { return path_; }
  std::string File(const std::string& name) const { return path_ + "/" + name; }

  // Immutable even for root; false when the file system refuses the flag.
  static bool SetImmutable(const std::string& file, bool immutable) {
    int fd = open(file.c_str(), O_RDONLY | O_NONBLOCK);
    if (fd < 0) return false;
    int flags = 0;
    bool ok = ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    flags = immutable ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
    ok = ok && ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    close(fd);
    return ok;
  }

  // Makes a file unwritable for this process: read-only mode, and for root the immutable
  // flag as well. False when that cannot be done here.
  static bool MakeReadOnly(const std::string& file) {
    if (chmod(file.c_str(), 0444) != 0) return false;
    return geteuid() != 0 || SetImmutable(file, true);
  }

 private:
  std::string path_;
};

inline std::string ReadFileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteFileBytes(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

}  // namespace memo::testing
