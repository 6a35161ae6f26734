// A program the tests start: the program under test, the command-line tool, a Unix tool.
#pragma once

#include <windows.h>

#include <string>

namespace wine_test {

class ChildProcess {
 public:
  ChildProcess() = default;
  // Ends a process still running, without asking.
  ~ChildProcess();
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  // Starts the command line in the folder (the test's own when empty), with the test's
  // environment; a process of an earlier start is ended first. Hidden: no window shows.
  bool Start(const std::wstring& commandLine, const std::wstring& folder = {}, bool hidden = false);
  // Waits for the process to end and gives its exit code, or -1 after the time-out.
  int WaitForExit(int timeoutMs);
  bool Running() const;
  // Ends the process without asking and waits until it has.
  void Kill();

  DWORD Id() const { return process_.dwProcessId; }
  HANDLE Handle() const { return process_.hProcess; }

 private:
  PROCESS_INFORMATION process_ = {};
};

}  // namespace wine_test
