// The registry layer: values named by a root code and one path text (key path and value
// name, split at the last backslash). Reads give the default for a missing key or value and
// for a value of another type; writes create the key with its parents; a delete takes the
// value alone. Texts are GBK and go through the wide API.
#pragma once

#include <cstdint>
#include <string>

namespace memo {

// Of any type.
bool RegistryHasValue(int rootCode, const std::string& path);
// Only REG_DWORD values count.
int32_t RegistryReadNumber(int rootCode, const std::string& path, int32_t fallback = 0);
// REG_SZ, and REG_EXPAND_SZ with its environment variables expanded.
std::string RegistryReadText(int rootCode, const std::string& path,
                             const std::string& fallback = std::string());
// Each gives true only when the value was stored.
bool RegistryWriteNumber(int rootCode, const std::string& path, int32_t value);  // REG_DWORD
bool RegistryWriteText(int rootCode, const std::string& path, const std::string& text);  // REG_SZ
bool RegistryWriteBytes(int rootCode, const std::string& path,
                        const std::string& bytes);  // REG_BINARY
// True also when there was no such value; the key stays.
bool RegistryDeleteValue(int rootCode, const std::string& path);

}  // namespace memo
