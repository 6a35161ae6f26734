// How the settings layer names a registry value: a root given as a small code and one path
// text that holds the key path and the value name.
#pragma once

#include <string>

namespace memo {

enum class RegistryRoot { kClassesRoot, kCurrentConfig, kCurrentUser, kLocalMachine, kUsers };

// Codes 1 to 5 name the roots in the order above; any other code means the current user.
RegistryRoot RegistryRootFromCode(int code);

struct RegistryPath {
  std::string key;    // empty when the path has no backslash
  std::string value;  // the value name
};

// Splits at the last backslash that stands as a character of its own: the second byte of a
// double-byte GBK character may be a backslash too (淺 is 9C 5C) and never splits.
RegistryPath SplitRegistryPath(const std::string& path);

}  // namespace memo
