#include "app/win32/registry_settings_store.h"

#include "app/win32/registry.h"
#include "settings/settings_names.h"

namespace memo {
namespace {

std::string SettingPath(const std::string& name) {
  return std::string(kSettingsKey) + "\\" + name;
}

}  // namespace

int32_t RegistrySettingsStore::ReadNumber(const std::string& name, int32_t fallback) {
  return RegistryReadNumber(kSettingsRootCode, SettingPath(name), fallback);
}

std::string RegistrySettingsStore::ReadText(const std::string& name, const std::string& fallback) {
  return RegistryReadText(kSettingsRootCode, SettingPath(name), fallback);
}

bool RegistrySettingsStore::WriteNumber(const std::string& name, int32_t value) {
  return RegistryWriteNumber(kSettingsRootCode, SettingPath(name), value);
}

bool RegistrySettingsStore::WriteText(const std::string& name, const std::string& value) {
  return RegistryWriteText(kSettingsRootCode, SettingPath(name), value);
}

}  // namespace memo
