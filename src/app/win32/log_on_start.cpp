#include "app/win32/log_on_start.h"

#include <windows.h>

#include <shellapi.h>

#include <string>

#include "app/win32/executable_path.h"
#include "app/win32/registry.h"
#include "text/win32/wide_text.h"

namespace memo {
namespace {

// The registry layer's code for HKEY_CURRENT_USER: the value is each user's own.
constexpr int kCurrentUserRootCode = 3;
constexpr char kRunValuePath[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run\\寿辰备忘录";

}  // namespace

bool StartsAtLogOn() {
  return RegistryHasValue(kCurrentUserRootCode, kRunValuePath);
}

bool SetStartAtLogOn(bool on) {
  if (!on) return RegistryDeleteValue(kCurrentUserRootCode, kRunValuePath);
  // Quoted, as the path may hold spaces.
  const std::string command = "\"" + ExecutablePath() + "\" " + Gb18030(kLogOnSwitch);
  return RegistryWriteText(kCurrentUserRootCode, kRunValuePath, command);
}

bool StartedAtLogOn() {
  int count = 0;
  LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  if (!arguments) return false;
  bool found = false;
  for (int i = 1; i < count && !found; ++i) found = lstrcmpiW(arguments[i], kLogOnSwitch) == 0;
  LocalFree(arguments);
  return found;
}

}  // namespace memo
