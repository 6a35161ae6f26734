// Starts the real birthday-memo.exe from a temporary program folder and reads its windows
// from this process through the wide API, as a person's tools would see them.
#pragma once

#include <windows.h>

#include <string>

namespace wine_test {

// Unix path (as CTest passes it) to a Windows path on Wine's Z: drive.
std::wstring WindowsPath(const std::string& unixPath);
std::wstring Wide(const std::string& gbk);

struct StartOptions {
  std::string today = "2012-04-15";  // the fixed date the program reads at start-up
};

class ProgramUnderTest {
 public:
  ProgramUnderTest();
  ~ProgramUnderTest();

  const std::wstring& Folder() const { return folder_; }
  bool Start(const StartOptions& options = {});
  // Waits for a visible top-level window of the program with this class (or any class
  // when empty); nullptr after the time-out.
  HWND WaitForWindow(const wchar_t* className, int timeoutMs = 15000);
  // Waits for the process to end and gives its exit code, or -1 after the time-out.
  int WaitForExit(int timeoutMs = 15000);
  DWORD ProcessId() const { return process_.dwProcessId; }

 private:
  std::wstring folder_;
  PROCESS_INFORMATION process_ = {};
};

std::wstring WindowText(HWND window);
// Saves the whole virtual desktop as a BMP in the screenshot folder under this name.
void SaveScreenshot(const std::string& name);

}  // namespace wine_test
