#include "started_program.h"

#include "remote_controls.h"
#include "ui/window_ids.h"
#include "window_basics.h"

namespace wine_test {
namespace {

constexpr int kStartTimeoutMs = 15000;
constexpr int kRecordCountPart = 1;
constexpr int kTodayPart = 2;

}  // namespace

std::wstring Environment(const wchar_t* name) {
  wchar_t value[MAX_PATH] = {};
  DWORD length = GetEnvironmentVariableW(name, value, MAX_PATH);
  return length > 0 && length < MAX_PATH ? std::wstring(value, length) : std::wstring();
}

HWND VisibleWindowOf(DWORD processId, const std::wstring& className) {
  struct Search {
    DWORD processId;
    const std::wstring& className;
    HWND found;
  } search{processId, className, nullptr};
  EnumWindows(
      [](HWND window, LPARAM param) -> BOOL {
        auto* s = reinterpret_cast<Search*>(param);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == s->processId && IsWindowVisible(window) &&
            (s->className.empty() || ClassName(window) == s->className)) {
          s->found = window;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND MainWindowOf(DWORD processId) {
  return VisibleWindowOf(processId, memo::ui::kMainWindowClass);
}

HWND WaitForSetUp(HANDLE process, DWORD processId) {
  HWND window = nullptr;
  if (!WaitUntil([&] { return (window = MainWindowOf(processId)) != nullptr; }, kStartTimeoutMs)) {
    return nullptr;
  }
  const std::wstring today = Wide("今天是：");
  const bool setUp = WaitUntil(
      [&] {
        HWND status = GetDlgItem(window, memo::ui::main_window::kStatus);
        return StatusPartText(process, status, kTodayPart).compare(0, today.size(), today) == 0;
      },
      kStartTimeoutMs);
  return setUp ? window : nullptr;
}

std::wstring RecordCountText(HANDLE process, HWND main) {
  return StatusPartText(process, GetDlgItem(main, memo::ui::main_window::kStatus),
                        kRecordCountPart);
}

}  // namespace wine_test
