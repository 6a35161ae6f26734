#include "program_under_test.h"

#include <aclapi.h>

#include <cstdio>
#include <cstdlib>

#include "app/win32/log_on_start.h"

#include "remote_controls.h"
#include "window_basics.h"

namespace wine_test {
namespace {

constexpr int kCloseTimeoutMs = 5000;

struct WindowSearch {
  DWORD processId;
  const wchar_t* className;
  bool hiddenToo;
  HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<WindowSearch*>(data);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != search->processId || (!search->hiddenToo && !IsWindowVisible(window))) return TRUE;
  if (search->className) {
    wchar_t name[256];
    GetClassNameW(window, name, 256);
    if (lstrcmpW(name, search->className) != 0) return TRUE;
  }
  search->found = window;
  return FALSE;
}

}  // namespace

ProgramUnderTest::ProgramUnderTest() : folder_("memo") {
  settings::Clear();
  log_on::Clear();
}

ProgramUnderTest::~ProgramUnderTest() {
  if (process_.Running()) Close(kCloseTimeoutMs);
  // The folder goes once the program has let go of its files.
  process_.Kill();
}

bool ProgramUnderTest::Start(const StartOptions& options) {
  const char* exeDir = std::getenv("BIRTHDAY_MEMO_EXE_DIR");
  if (!exeDir) return false;
  process_.Kill();
  main_ = nullptr;
  std::wstring source = WindowsPath(std::string(exeDir) + "/birthday-memo.exe");
  std::wstring exe = Executable();
  // The copy of an earlier start may stay in use for a moment after that program ended.
  if (!WaitUntil([&] { return CopyFileW(source.c_str(), exe.c_str(), FALSE) != 0; })) {
    return false;
  }
  if (!options.reminders && !settings::Read(L"tiqiantixing").exists) {
    settings::WriteNumber(L"tiqiantixing", 0);
  }
  SetEnvironmentVariableW(L"BIRTHDAY_MEMO_TODAY", Wide(options.today).c_str());
  SetEnvironmentVariableW(L"BIRTHDAY_MEMO_NOW",
                          options.now.empty() ? nullptr : Wide(options.now).c_str());
  SetEnvironmentVariableW(L"BIRTHDAY_MEMO_BALLOON",
                          options.balloon.empty() ? nullptr : Wide(options.balloon).c_str());
  // By default the advertisement download meets a closed port at once, not a distant site.
  SetEnvironmentVariableW(L"BIRTHDAY_MEMO_PUBLISHER_HOST", Wide(options.publisherHost).c_str());
  SetEnvironmentVariableW(
      L"BIRTHDAY_MEMO_DAY_SECONDS",
      options.secondsPerDay > 0 ? std::to_wstring(options.secondsPerDay).c_str() : nullptr);
  std::wstring commandLine = L"\"" + exe + L"\"";
  if (options.atLogOn) commandLine += std::wstring(L" ") + memo::kLogOnSwitch;
  // Wine has been seen to refuse a start now and then right after another test's program
  // ended; a second try a moment later starts it.
  DWORD error = 0;
  const bool started = WaitUntil([&] {
    if (process_.Start(commandLine, Folder())) return true;
    error = GetLastError();
    return false;
  });
  if (!started) std::fprintf(stderr, "the program did not start: error %lu\n", error);
  return started;
}

HWND ProgramUnderTest::StartMain(const StartOptions& options) {
  if (!Start(options)) return nullptr;
  main_ = WaitForWindow(memo::ui::kMainWindowClass, 15000, options.atLogOn);
  if (!main_) return nullptr;
  // Today's dates are the set-up's last words in the status bar. The set-up gets as long as
  // the window: on a busy machine either may take a while. A hidden window is found as soon
  // as it is made, before its controls are.
  const std::wstring today = Wide("今天是：");
  bool setUp = WaitUntil(
      [&] {
        HWND status = GetDlgItem(main_, memo::ui::main_window::kStatus);
        return StatusPartText(Process(), status, 2).compare(0, today.size(), today) == 0;
      },
      15000);
  return setUp ? main_ : nullptr;
}

HWND ProgramUnderTest::StartMainWith(int recordCount, const StartOptions& options) {
  HWND main = StartMain(options);
  if (!main) return nullptr;
  HWND status = GetDlgItem(main, memo::ui::main_window::kStatus);
  const std::wstring count = Wide("当前记录数：" + std::to_string(recordCount));
  return StatusPartText(Process(), status, 1) == count ? main : nullptr;
}

int ProgramUnderTest::Close(int timeoutMs) {
  if (!main_) main_ = WaitForWindow(memo::ui::kMainWindowClass, timeoutMs);
  if (!main_) return -1;
  PostMessageW(main_, WM_CLOSE, 0, 0);
  return WaitForExit(timeoutMs);
}

HWND ProgramUnderTest::WaitForWindow(const wchar_t* className, int timeoutMs, bool hiddenToo) {
  for (int waited = 0; waited <= timeoutMs; waited += 50) {
    WindowSearch search{ProcessId(), className, hiddenToo, nullptr};
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
    if (search.found) return search.found;
    Sleep(50);
  }
  return nullptr;
}

int ProgramUnderTest::WaitForExit(int timeoutMs) {
  return process_.WaitForExit(timeoutMs);
}

namespace settings {

const wchar_t* const kKey = L"Software\\Tavelin";

void Clear() {
  RegDeleteTreeW(HKEY_CURRENT_USER, kKey);
}

void WriteNumber(const wchar_t* name, DWORD value) {
  RegSetKeyValueW(HKEY_CURRENT_USER, kKey, name, REG_DWORD, &value, sizeof(value));
}

void WriteText(const wchar_t* name, const std::wstring& text, DWORD type) {
  RegSetKeyValueW(HKEY_CURRENT_USER, kKey, name, type, text.c_str(),
                  static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
}

Stored ReadValue(const wchar_t* key, const wchar_t* name) {
  Stored stored;
  BYTE data[4096] = {};
  DWORD size = sizeof(data) - sizeof(wchar_t);
  if (RegGetValueW(HKEY_CURRENT_USER, key, name, RRF_RT_ANY | RRF_NOEXPAND, &stored.type, data,
                   &size) != ERROR_SUCCESS) {
    return stored;
  }
  stored.exists = true;
  if (stored.type == REG_DWORD) memcpy(&stored.number, data, sizeof(DWORD));
  if (stored.type == REG_SZ || stored.type == REG_EXPAND_SZ) {
    stored.text = reinterpret_cast<const wchar_t*>(data);
  }
  return stored;
}

Stored Read(const wchar_t* name) {
  return ReadValue(kKey, name);
}

}  // namespace settings

namespace log_on {

const wchar_t* const kRunKey = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";

void Clear() {
  RegDeleteKeyValueW(HKEY_CURRENT_USER, kRunKey, Wide("寿辰备忘录").c_str());
}

settings::Stored Read() {
  return settings::ReadValue(kRunKey, Wide("寿辰备忘录").c_str());
}

bool DenyWrites(bool denied) {
  HKEY key = nullptr;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, kRunKey, 0, nullptr, 0, READ_CONTROL | WRITE_DAC, nullptr,
                      &key, nullptr) != ERROR_SUCCESS) {
    return false;
  }
  // Everyone may read the key and set its rights again; nobody may write a value.
  SID_IDENTIFIER_AUTHORITY world = SECURITY_WORLD_SID_AUTHORITY;
  PSID everyone = nullptr;
  AllocateAndInitializeSid(&world, 1, SECURITY_WORLD_RID, 0, 0, 0, 0, 0, 0, 0, &everyone);
  EXPLICIT_ACCESSW access = {};
  access.grfAccessPermissions = KEY_READ | WRITE_DAC | READ_CONTROL;
  access.grfAccessMode = SET_ACCESS;
  access.Trustee.TrusteeForm = TRUSTEE_IS_SID;
  access.Trustee.ptstrName = static_cast<LPWSTR>(everyone);
  PACL readOnly = nullptr;
  SetEntriesInAclW(1, &access, nullptr, &readOnly);
  SECURITY_DESCRIPTOR descriptor;
  InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION);
  // Without a list of rights (a null one) the key grants everything again.
  SetSecurityDescriptorDacl(&descriptor, TRUE, denied ? readOnly : nullptr, FALSE);
  const bool set = RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, &descriptor) == ERROR_SUCCESS;
  LocalFree(readOnly);
  FreeSid(everyone);
  RegCloseKey(key);
  return set;
}

}  // namespace log_on

}  // namespace wine_test
