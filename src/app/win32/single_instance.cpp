#include "app/win32/single_instance.h"

#include <cstdint>
#include <string>
#include <vector>

#include "app/win32/executable_path.h"
#include "text/win32/wide_text.h"
#include "ui/window_ids.h"

namespace memo {
namespace {

// A running copy that has just started may not have made its main window yet: it is looked
// for this often, for this long, before the second start gives up and just ends.
constexpr int kWindowWaitMs = 10000;
constexpr int kWindowPollMs = 100;
// The longest path Windows takes (one with the \\?\ prefix), in UTF-16 units.
constexpr DWORD kLongestPath = 32768;
// 64-bit FNV-1a's offset basis and prime.
constexpr uint64_t kFnvOffsetBasis = 14695981039346656037ull;
constexpr uint64_t kFnvPrime = 1099511628211ull;

// The folder as the file system compares it: letters in one case.
std::wstring FolderKey(const std::wstring& folder) {
  std::wstring key = folder;
  if (!key.empty()) CharUpperBuffW(key.data(), static_cast<DWORD>(key.size()));
  return key;
}

std::wstring OwnFolderKey() {
  return FolderKey(Wide(ExecutableDirectory()));
}

// A mutex name may hold no backslash and is limited in length: the folder's key hashed
// (64-bit FNV-1a over its UTF-16 units).
std::wstring MutexName() {
  uint64_t hash = kFnvOffsetBasis;
  for (wchar_t unit : OwnFolderKey()) {
    hash ^= static_cast<uint16_t>(unit);
    hash *= kFnvPrime;
  }
  wchar_t name[64];
  wsprintfW(name, L"Local\\BirthdayMemo-%08lX%08lX", static_cast<unsigned long>(hash >> 32),
            static_cast<unsigned long>(hash & 0xFFFFFFFFu));
  return name;
}

std::wstring ProcessFolderKey(DWORD processId) {
  HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
  if (!process) return std::wstring();
  std::vector<wchar_t> path(kLongestPath);
  DWORD length = static_cast<DWORD>(path.size());
  const bool read = QueryFullProcessImageNameW(process, 0, path.data(), &length) != 0;
  CloseHandle(process);
  if (!read) return std::wstring();
  std::wstring file(path.data(), length);
  return FolderKey(file.substr(0, file.find_last_of(L"\\/")));
}

struct RunningCopy {
  std::wstring folderKey;
  HWND window = nullptr;
  DWORD processId = 0;
};

BOOL CALLBACK MatchMainWindow(HWND window, LPARAM data) {
  auto* copy = reinterpret_cast<RunningCopy*>(data);
  wchar_t className[64];
  if (!GetClassNameW(window, className, 64) || lstrcmpW(className, ui::kMainWindowClass) != 0) {
    return TRUE;
  }
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  if (processId == GetCurrentProcessId() || ProcessFolderKey(processId) != copy->folderKey) {
    return TRUE;
  }
  copy->window = window;
  copy->processId = processId;
  return FALSE;
}

}  // namespace

SingleInstance::SingleInstance()
    : mutex_(CreateMutexW(nullptr, FALSE, MutexName().c_str())),
      first_(GetLastError() != ERROR_ALREADY_EXISTS) {}

SingleInstance::~SingleInstance() {
  if (mutex_) CloseHandle(mutex_);
}

UINT ComeForwardMessage() {
  return RegisterWindowMessageW(L"BirthdayMemoComeForward");
}

void WakeRunningCopy() {
  RunningCopy copy;
  copy.folderKey = OwnFolderKey();
  for (int waited = 0; waited <= kWindowWaitMs; waited += kWindowPollMs) {
    EnumWindows(MatchMainWindow, reinterpret_cast<LPARAM>(&copy));
    if (copy.window) break;
    Sleep(kWindowPollMs);
  }
  if (!copy.window) return;
  // The foreground is this process's to give, started by the user just now; the running
  // copy may take it only once it is given.
  AllowSetForegroundWindow(copy.processId);
  PostMessageW(copy.window, ComeForwardMessage(), 0, 0);
}

}  // namespace memo
