// The program's settings store: the registry values under the current user's
// Software\Tavelin, each read and written at the moment it is needed.
#pragma once

#include "settings/settings_store.h"

namespace memo {

class RegistrySettingsStore : public SettingsStore {
 public:
  int32_t ReadNumber(const std::string& name, int32_t fallback = 0) override;
  std::string ReadText(const std::string& name, const std::string& fallback = "") override;
  bool WriteNumber(const std::string& name, int32_t value) override;
  bool WriteText(const std::string& name, const std::string& value) override;
};

}  // namespace memo
