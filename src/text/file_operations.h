// Whole-file operations on paths in GBK, done by the system's own calls: the C++ library's
// file-system layer would bring its locale and stream machinery into the Windows programs,
// a third of their size.
#pragma once

#include <string>
#include <vector>

namespace memo {

// Both paths name one existing file, also when reached by two different names.
bool IsSameFile(const std::string& first, const std::string& second);

// The file at `from` takes the place of `to` in one step, replacing any file there.
bool ReplaceFileWith(const std::string& from, const std::string& to);

// Removes the file; false when it could not (or was not there).
bool RemoveFile(const std::string& path);

// The names of the files and folders in the directory, without "." and "..".
std::vector<std::string> NamesIn(const std::string& directory);

}  // namespace memo
