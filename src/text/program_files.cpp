#include "text/program_files.h"

#include <cstdio>

#include "text/file_operations.h"
#include "text/text_codec.h"

namespace memo {
namespace {

#ifdef _WIN32
constexpr char kSeparator = '\\';

std::FILE* Open(const std::string& path, const wchar_t* mode) {
  std::u16string wide = Gb18030ToUtf16(path);
  return _wfopen(reinterpret_cast<const wchar_t*>(wide.c_str()), mode);
}
std::FILE* OpenForWriting(const std::string& path) {
  return Open(path, L"wb");
}
std::FILE* OpenForReading(const std::string& path) {
  return Open(path, L"rb");
}
#else
constexpr char kSeparator = '/';

std::FILE* OpenForWriting(const std::string& path) {
  return std::fopen(Gb18030ToUtf8(path).c_str(), "wb");
}
std::FILE* OpenForReading(const std::string& path) {
  return std::fopen(Gb18030ToUtf8(path).c_str(), "rb");
}
#endif

}  // namespace

std::string ProgramFilePath(const std::string& directory, const std::string& name) {
  return directory + kSeparator + name;
}

bool WriteWholeFile(const std::string& path, const std::string& bytes) {
  const std::string partial = path + kPartialSuffix;
  std::FILE* file = OpenForWriting(partial);
  if (!file) return false;
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  const bool closed = std::fclose(file) == 0;
  if (written && closed && ReplaceFileWith(partial, path)) return true;
  RemoveFile(partial);
  return false;
}

FileRead ReadWholeFile(const std::string& path, size_t maxBytes, std::string& bytes) {
  std::FILE* file = OpenForReading(path);
  if (!file) return FileRead::kUnreadable;
  // Read in pieces up to one byte past the limit: a file that grows meanwhile, or a device
  // without a size, is measured by what it gives.
  bytes.clear();
  char piece[1 << 16];
  size_t got = 0;
  while (bytes.size() <= maxBytes && (got = std::fread(piece, 1, sizeof piece, file)) > 0) {
    bytes.append(piece, got);
  }
  const bool failed = std::ferror(file) != 0;
  std::fclose(file);
  if (failed) return FileRead::kUnreadable;
  if (bytes.size() > maxBytes) {
    bytes.clear();
    return FileRead::kTooLarge;
  }
  return FileRead::kRead;
}

}  // namespace memo
