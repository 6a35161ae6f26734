#include "text/file_operations.h"

#include <windows.h>

#include "text/win32/wide_text.h"

namespace memo {
namespace {

// The volume and the file's index on it say which file a name reaches.
bool Identity(const std::string& path, BY_HANDLE_FILE_INFORMATION& identity) {
  HANDLE file =
      CreateFileW(Wide(path).c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                  nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  const bool read = GetFileInformationByHandle(file, &identity) != 0;
  CloseHandle(file);
  return read;
}

}  // namespace

bool IsSameFile(const std::string& first, const std::string& second) {
  BY_HANDLE_FILE_INFORMATION one = {}, other = {};
  return Identity(first, one) && Identity(second, other) &&
         one.dwVolumeSerialNumber == other.dwVolumeSerialNumber &&
         one.nFileIndexHigh == other.nFileIndexHigh && one.nFileIndexLow == other.nFileIndexLow;
}

bool ReplaceFileWith(const std::string& from, const std::string& to) {
  return MoveFileExW(Wide(from).c_str(), Wide(to).c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

bool RemoveFile(const std::string& path) {
  return DeleteFileW(Wide(path).c_str()) != 0;
}

std::vector<std::string> NamesIn(const std::string& directory) {
  std::vector<std::string> names;
  WIN32_FIND_DATAW found;
  HANDLE listing = FindFirstFileW(Wide(directory + "\\*").c_str(), &found);
  if (listing == INVALID_HANDLE_VALUE) return names;
  do {
    const std::string name = Gb18030(found.cFileName);
    if (name != "." && name != "..") names.push_back(name);
  } while (FindNextFileW(listing, &found));
  FindClose(listing);
  return names;
}

}  // namespace memo
