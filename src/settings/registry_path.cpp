#include "settings/registry_path.h"

namespace memo {

RegistryRoot RegistryRootFromCode(int code) {
  switch (code) {
    case 1:
      return RegistryRoot::kClassesRoot;
    case 2:
      return RegistryRoot::kCurrentConfig;
    case 4:
      return RegistryRoot::kLocalMachine;
    case 5:
      return RegistryRoot::kUsers;
    default:
      return RegistryRoot::kCurrentUser;
  }
}

RegistryPath SplitRegistryPath(const std::string& path) {
  size_t lastBackslash = std::string::npos;
  for (size_t i = 0; i < path.size() && path[i] != '\0';) {
    if (static_cast<unsigned char>(path[i]) & 0x80) {
      // A lead byte whose second byte is missing ends the scan.
      if (i + 1 >= path.size() || path[i + 1] == '\0') break;
      i += 2;
      continue;
    }
    if (path[i] == '\\') lastBackslash = i;
    ++i;
  }
  if (lastBackslash == std::string::npos) return {std::string(), path};
  return {path.substr(0, lastBackslash), path.substr(lastBackslash + 1)};
}

}  // namespace memo
