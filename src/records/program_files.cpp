#include "records/program_files.h"

#include <cstdio>

#include "text/text_codec.h"

namespace memo {
namespace {

#ifdef _WIN32
constexpr char kSeparator = '\\';

std::FILE* OpenForWriting(const std::string& path) {
  std::u16string wide = GbkToUtf16(path);
  return _wfopen(reinterpret_cast<const wchar_t*>(wide.c_str()), L"wb");
}
#else
constexpr char kSeparator = '/';

std::FILE* OpenForWriting(const std::string& path) {
  return std::fopen(GbkToUtf8(path).c_str(), "wb");
}
#endif

}  // namespace

std::string ProgramFilePath(const std::string& directory, const std::string& name) {
  return directory + kSeparator + name;
}

bool WriteWholeFile(const std::string& path, const std::string& bytes) {
  std::FILE* file = OpenForWriting(path);
  if (!file) return false;
  bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  return std::fclose(file) == 0 && written;
}

}  // namespace memo
