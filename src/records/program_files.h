// Files beside the executable: the database and the report page. Paths are GBK, as every
// text of the program; only the file system sees another encoding.
#pragma once

#include <string>

namespace memo {

// directory (without a trailing separator) + separator + name.
std::string ProgramFilePath(const std::string& directory, const std::string& name);

// Creates or truncates the file and writes the bytes; false when any step fails.
bool WriteWholeFile(const std::string& path, const std::string& bytes);

enum class FileRead { kRead, kUnreadable, kTooLarge };
// Reads the whole file into `bytes` unless it is larger than maxBytes.
FileRead ReadWholeFile(const std::string& path, size_t maxBytes, std::string& bytes);

}  // namespace memo
