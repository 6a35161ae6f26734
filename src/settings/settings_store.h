// The settings seam: number and text values by name under the program's settings key.
// The program's store is the registry (HKEY_CURRENT_USER\Software\Tavelin); tests use the
// in-memory one. Every read goes to the store: nothing is cached.
#pragma once

#include <cstdint>
#include <map>
#include <string>

namespace memo {

class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  // A missing value, or one of another type, reads as the fallback.
  virtual int32_t ReadNumber(const std::string& name, int32_t fallback = 0) = 0;
  virtual std::string ReadText(const std::string& name, const std::string& fallback = "") = 0;
  virtual bool WriteNumber(const std::string& name, int32_t value) = 0;
  virtual bool WriteText(const std::string& name, const std::string& value) = 0;
};

// Values keep their kind: a text stored under a name reads as the fallback number, as a
// registry value of the wrong type does.
class MemorySettingsStore : public SettingsStore {
 public:
  int32_t ReadNumber(const std::string& name, int32_t fallback = 0) override {
    auto found = numbers_.find(name);
    return found == numbers_.end() ? fallback : found->second;
  }
  std::string ReadText(const std::string& name, const std::string& fallback = "") override {
    auto found = texts_.find(name);
    return found == texts_.end() ? fallback : found->second;
  }
  bool WriteNumber(const std::string& name, int32_t value) override {
    texts_.erase(name);
    numbers_[name] = value;
    return true;
  }
  bool WriteText(const std::string& name, const std::string& value) override {
    numbers_.erase(name);
    texts_[name] = value;
    return true;
  }

 private:
  std::map<std::string, int32_t> numbers_;
  std::map<std::string, std::string> texts_;
};

}  // namespace memo
