#include "child_process.h"

namespace wine_test {
namespace {

constexpr DWORD kEndTimeoutMs = 5000;

}  // namespace

ChildProcess::~ChildProcess() {
  Kill();
}

bool ChildProcess::Start(const std::wstring& commandLine, const std::wstring& folder, bool hidden) {
  Kill();
  STARTUPINFOW startup = {};
  startup.cb = sizeof(startup);
  if (hidden) {
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_HIDE;
  }
  std::wstring line = commandLine;
  return CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE,
                        hidden ? CREATE_NO_WINDOW : 0, nullptr,
                        folder.empty() ? nullptr : folder.c_str(), &startup, &process_) != 0;
}

int ChildProcess::WaitForExit(int timeoutMs) {
  if (!process_.hProcess || WaitForSingleObject(process_.hProcess, timeoutMs) != WAIT_OBJECT_0) {
    return -1;
  }
  DWORD code = 0;
  GetExitCodeProcess(process_.hProcess, &code);
  return static_cast<int>(code);
}

bool ChildProcess::Running() const {
  return process_.hProcess && WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT;
}

void ChildProcess::Kill() {
  if (Running()) {
    TerminateProcess(process_.hProcess, 1);
    WaitForSingleObject(process_.hProcess, kEndTimeoutMs);
  }
  if (process_.hProcess) CloseHandle(process_.hProcess);
  if (process_.hThread) CloseHandle(process_.hThread);
  process_ = {};
}

}  // namespace wine_test
