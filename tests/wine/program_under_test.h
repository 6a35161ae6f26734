// The real birthday-memo.exe under test, started the way every test starts it and ended the
// way every test ends it: a copy in a fresh folder of the test's own, with a fresh settings
// key and no value that starts it at log-on, the environment the test asks for, a wait for
// the main window and its set-up; at the end it is closed, waited for, and its folder removed.
#pragma once

#include <windows.h>

#include <string>

#include "child_process.h"
#include "test_files.h"
#include "ui/window_ids.h"

namespace wine_test {

struct StartOptions {
  std::string today = "2012-04-15";  // the fixed date the program reads at start-up
  std::string now;      // "YYYY-MM-DDTHH:MM:SS": instead, a moment the clock runs on from
  std::string balloon;  // "TITLE|TEXT": a balloon shown at start-up
  // Where the advertisement comes from; a closed port answers at once.
  std::string publisherHost = "127.0.0.1:9";
  int secondsPerDay = 0;  // above 0: the fixed date moves on a day every so many seconds
  bool atLogOn = false;   // started as the log-on starts it; the main window may stay hidden
  // Off, 提前提醒 has no tick unless the test set one, so that no reminder window opens over
  // the windows a test looks at.
  bool reminders = false;
};

class ProgramUnderTest {
 public:
  // Also removes the settings key, so that every test starts as on a fresh machine.
  ProgramUnderTest();
  // A program still running is closed (ended, if it does not close), then the folder goes.
  ~ProgramUnderTest();
  ProgramUnderTest(const ProgramUnderTest&) = delete;
  ProgramUnderTest& operator=(const ProgramUnderTest&) = delete;

  // The program's own folder: its database and page are beside it.
  const std::wstring& Folder() const { return folder_.Path(); }
  std::wstring Executable() const { return Folder() + L"\\birthday-memo.exe"; }

  // Copies the program into the folder and starts it there.
  bool Start(const StartOptions& options = {});
  // Starts it and waits for the main window and its set-up (today's dates in the status
  // bar); nullptr when they do not come.
  HWND StartMain(const StartOptions& options = {});
  // The same, and the set-up must show this record count.
  HWND StartMainWith(int recordCount, const StartOptions& options = {});
  // Closes the main window as a person does and waits for the end; the exit code, or -1.
  int Close(int timeoutMs = 15000);

  // Waits for a visible top-level window of the program with this class (or any class
  // when empty), or a hidden one too; nullptr after the time-out.
  HWND WaitForWindow(const wchar_t* className, int timeoutMs = 15000, bool hiddenToo = false);
  // Waits for the process to end and gives its exit code, or -1 after the time-out.
  int WaitForExit(int timeoutMs = 15000);
  DWORD ProcessId() const { return process_.Id(); }
  HANDLE Process() const { return process_.Handle(); }

 private:
  TempFolder folder_;
  ChildProcess process_;
  HWND main_ = nullptr;
};

// The program's settings key, HKEY_CURRENT_USER\Software\Tavelin, in the same registry.
namespace settings {
void Clear();
void WriteNumber(const wchar_t* name, DWORD value);
void WriteText(const wchar_t* name, const std::wstring& text, DWORD type = REG_SZ);
struct Stored {
  bool exists = false;
  DWORD type = REG_NONE;
  DWORD number = 0;
  std::wstring text;
};
Stored Read(const wchar_t* name);
// Any value under HKEY_CURRENT_USER.
Stored ReadValue(const wchar_t* key, const wchar_t* name);
// A sort code as the value paixu holds.
constexpr DWORD StoredSortCode(memo::SortCode code) {
  return static_cast<DWORD>(code);
}
}  // namespace settings

// The value that starts the program at log-on, 寿辰备忘录 under HKEY_CURRENT_USER's
// Software\Microsoft\Windows\CurrentVersion\Run.
namespace log_on {
void Clear();
settings::Stored Read();
// Lets everyone only read the Run key, as a policy may, or gives everyone every right again;
// false when the key's rights could not be set.
bool DenyWrites(bool denied);
}  // namespace log_on

}  // namespace wine_test
