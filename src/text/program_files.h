// Files beside the executable: the database and the report page. Paths are GBK, as every
// text of the program; only the file system sees another encoding.
#pragma once

#include <string>

namespace memo {

// directory (without a trailing separator) + separator + name.
std::string ProgramFilePath(const std::string& directory, const std::string& name);

// What a file being written is called until it is whole.
inline constexpr char kPartialSuffix[] = ".part";

// Writes the bytes to a file beside the path and then puts it in the path's place, so that
// the path never holds half the bytes (a full disk, a crash) and a file already there is
// replaced only by a whole one. False when any step fails; then the path is as it was.
bool WriteWholeFile(const std::string& path, const std::string& bytes);

enum class FileRead { kRead, kUnreadable, kTooLarge };
// Reads the whole file into `bytes` unless it is larger than maxBytes.
FileRead ReadWholeFile(const std::string& path, size_t maxBytes, std::string& bytes);

}  // namespace memo
