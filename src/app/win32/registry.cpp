#include "app/win32/registry.h"

#include <windows.h>

#include <vector>

#include "settings/registry_path.h"
#include "text/win32/wide_text.h"

namespace memo {
namespace {

HKEY RootKey(int rootCode) {
  switch (RegistryRootFromCode(rootCode)) {
    case RegistryRoot::kClassesRoot:
      return HKEY_CLASSES_ROOT;
    case RegistryRoot::kCurrentConfig:
      return HKEY_CURRENT_CONFIG;
    case RegistryRoot::kLocalMachine:
      return HKEY_LOCAL_MACHINE;
    case RegistryRoot::kUsers:
      return HKEY_USERS;
    case RegistryRoot::kCurrentUser:
      break;
  }
  return HKEY_CURRENT_USER;
}

// An open key, closed in every case.
class OpenKey {
 public:
  OpenKey() = default;
  ~OpenKey() {
    if (key_) RegCloseKey(key_);
  }
  OpenKey(const OpenKey&) = delete;
  OpenKey& operator=(const OpenKey&) = delete;
  HKEY* operator&() { return &key_; }
  HKEY get() const { return key_; }

 private:
  HKEY key_ = nullptr;
};

// The value's type and bytes; false when the key or the value cannot be read.
bool QueryValue(int rootCode, const std::string& path, DWORD& type, std::vector<BYTE>& data) {
  RegistryPath split = SplitRegistryPath(path);
  OpenKey key;
  if (RegOpenKeyExW(RootKey(rootCode), Wide(split.key).c_str(), 0, KEY_READ, &key) !=
      ERROR_SUCCESS) {
    return false;
  }
  std::wstring name = Wide(split.value);
  // Asked twice in a row when another program grows the value in between.
  for (int attempt = 0; attempt < 3; ++attempt) {
    DWORD size = 0;
    if (RegQueryValueExW(key.get(), name.c_str(), nullptr, &type, nullptr, &size) !=
        ERROR_SUCCESS) {
      return false;
    }
    data.resize(size);
    LONG status = RegQueryValueExW(key.get(), name.c_str(), nullptr, &type, data.data(), &size);
    if (status == ERROR_SUCCESS) {
      data.resize(size);
      return true;
    }
    if (status != ERROR_MORE_DATA) return false;
  }
  return false;
}

bool SetValue(int rootCode, const std::string& path, DWORD type, const void* data, DWORD size) {
  RegistryPath split = SplitRegistryPath(path);
  std::wstring keyPath = Wide(split.key);
  OpenKey key;
  if (RegOpenKeyExW(RootKey(rootCode), keyPath.c_str(), 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS &&
      RegCreateKeyExW(RootKey(rootCode), keyPath.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                      &key, nullptr) != ERROR_SUCCESS) {
    return false;
  }
  return RegSetValueExW(key.get(), Wide(split.value).c_str(), 0, type,
                        static_cast<const BYTE*>(data), size) == ERROR_SUCCESS;
}

std::wstring ExpandVariables(const std::wstring& text) {
  DWORD needed = ExpandEnvironmentStringsW(text.c_str(), nullptr, 0);
  if (needed == 0) return text;
  std::vector<wchar_t> expanded(needed);
  if (ExpandEnvironmentStringsW(text.c_str(), expanded.data(), needed) == 0) return text;
  return std::wstring(expanded.data());
}

}  // namespace

bool RegistryHasValue(int rootCode, const std::string& path) {
  DWORD type = 0;
  std::vector<BYTE> data;
  return QueryValue(rootCode, path, type, data);
}

int32_t RegistryReadNumber(int rootCode, const std::string& path, int32_t fallback) {
  DWORD type = 0;
  std::vector<BYTE> data;
  if (!QueryValue(rootCode, path, type, data) || type != REG_DWORD || data.size() != 4) {
    return fallback;
  }
  DWORD value = data[0] | data[1] << 8 | data[2] << 16 | static_cast<DWORD>(data[3]) << 24;
  return static_cast<int32_t>(value);
}

std::string RegistryReadText(int rootCode, const std::string& path, const std::string& fallback) {
  DWORD type = 0;
  std::vector<BYTE> data;
  if (!QueryValue(rootCode, path, type, data) || (type != REG_SZ && type != REG_EXPAND_SZ)) {
    return fallback;
  }
  // The stored text may lack its terminating zero or hold an odd byte at the end.
  std::wstring text(data.size() / sizeof(wchar_t), L'\0');
  if (!text.empty()) memcpy(text.data(), data.data(), text.size() * sizeof(wchar_t));
  text.resize(wcsnlen(text.c_str(), text.size()));
  if (type == REG_EXPAND_SZ) text = ExpandVariables(text);
  return Gb18030(text);
}

bool RegistryWriteNumber(int rootCode, const std::string& path, int32_t value) {
  DWORD stored = static_cast<DWORD>(value);
  return SetValue(rootCode, path, REG_DWORD, &stored, sizeof(stored));
}

bool RegistryWriteText(int rootCode, const std::string& path, const std::string& text) {
  std::wstring wide = Wide(text);
  return SetValue(rootCode, path, REG_SZ, wide.c_str(),
                  static_cast<DWORD>((wide.size() + 1) * sizeof(wchar_t)));
}

bool RegistryWriteBytes(int rootCode, const std::string& path, const std::string& bytes) {
  return SetValue(rootCode, path, REG_BINARY, bytes.data(), static_cast<DWORD>(bytes.size()));
}

bool RegistryDeleteValue(int rootCode, const std::string& path) {
  RegistryPath split = SplitRegistryPath(path);
  OpenKey key;
  LONG opened = RegOpenKeyExW(RootKey(rootCode), Wide(split.key).c_str(), 0, KEY_SET_VALUE, &key);
  if (opened == ERROR_FILE_NOT_FOUND) return true;
  if (opened != ERROR_SUCCESS) return false;
  LONG deleted = RegDeleteValueW(key.get(), Wide(split.value).c_str());
  return deleted == ERROR_SUCCESS || deleted == ERROR_FILE_NOT_FOUND;
}

}  // namespace memo
