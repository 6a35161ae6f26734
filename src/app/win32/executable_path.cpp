#include "app/win32/executable_path.h"

#include <windows.h>

#include <vector>

#include "text/win32/wide_text.h"

namespace memo {
namespace {

std::wstring WideExecutablePath() {
  std::vector<wchar_t> path(MAX_PATH);
  for (;;) {
    DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return L".";
    if (length < path.size()) return std::wstring(path.data(), length);
    path.resize(path.size() * 2);
  }
}

}  // namespace

std::string ExecutablePath() {
  return Gb18030(WideExecutablePath());
}

std::string ExecutableDirectory() {
  const std::wstring file = WideExecutablePath();
  return Gb18030(file.substr(0, file.find_last_of(L"\\/")));
}

}  // namespace memo
