// Files of the tests: a fresh folder of a test's own, removed with everything in it when the
// test is done, and whole files read and written at once.
#pragma once

#include <string>

namespace wine_test {

class TempFolder {
 public:
  // In the temporary folder, named from the GBK prefix, the process and a counter.
  explicit TempFolder(const std::string& prefix);
  // Removes the folder and everything in it; a file still held by a program that has just
  // ended gets a few seconds to be let go.
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::wstring& Path() const { return path_; }

 private:
  std::wstring path_;
};

// The whole file; empty when it cannot be read.
std::string FileBytes(const std::wstring& path);
bool FileExists(const std::wstring& path);
void WriteFileBytes(const std::wstring& path, const std::string& bytes);

}  // namespace wine_test
