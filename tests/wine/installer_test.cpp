// The setup program as a user meets it, in a Wine prefix of its own that run-installer-test
// makes afresh and these tests share, in this order: a silent install, an upgrade over a
// running earlier program, a silent uninstall, an install page by page. BIRTHDAY_MEMO_SETUP names
// the setup program, BIRTHDAY_MEMO_RELEASE_PROGRAM the program it holds. Only that script runs this
// suite.
#include <windows.h>

#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "child_process.h"
#include "program_under_test.h"
#include "sample_friends.h"
#include "started_program.h"
#include "test_files.h"
#include "window_basics.h"

using namespace wine_test;

namespace {

constexpr int kSetupTimeoutMs = 60000;
constexpr int kPageTimeoutMs = 15000;
constexpr int kPaintMs = 1500;
constexpr wchar_t kUninstallKey[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\BirthdayMemo";
constexpr wchar_t kRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
const std::vector<std::wstring> kProgramFiles = {L"birthday-memo.exe", L"birthday-memo-cli.exe",
                                                 L"使用说明.txt",      L"LICENSE",
                                                 L"THIRD-PARTY.txt",   L"uninstall.exe"};

std::wstring KnownFolder(int csidl) {
  wchar_t path[MAX_PATH] = {};
  SHGetFolderPathW(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path);
  return path;
}

std::wstring InstallFolder() {
  return KnownFolder(CSIDL_LOCAL_APPDATA) + L"\\Programs\\寿辰备忘录";
}
std::wstring StartMenuShortcut() {
  return KnownFolder(CSIDL_PROGRAMS) + L"\\寿辰备忘录.lnk";
}
std::wstring DesktopShortcut() {
  return KnownFolder(CSIDL_DESKTOPDIRECTORY) + L"\\寿辰备忘录.lnk";
}
std::wstring Installed(const std::wstring& name) {
  return InstallFolder() + L"\\" + name;
}
std::wstring ReleaseProgram() {
  return WindowsPath(Utf8(Environment(L"BIRTHDAY_MEMO_RELEASE_PROGRAM")));
}

// The program a shortcut starts; empty when it cannot be read.
std::wstring ShortcutTarget(const std::wstring& shortcut) {
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  std::wstring target;
  IShellLinkW* link = nullptr;
  if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                 reinterpret_cast<void**>(&link)))) {
    IPersistFile* file = nullptr;
    wchar_t path[MAX_PATH] = {};
    if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
      if (SUCCEEDED(file->Load(shortcut.c_str(), STGM_READ)) &&
          SUCCEEDED(link->GetPath(path, MAX_PATH, nullptr, 0))) {
        target = path;
      }
      file->Release();
    }
    link->Release();
  }
  CoUninitialize();
  return target;
}

bool KeyExists(const wchar_t* key) {
  HKEY handle = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, key, 0, KEY_READ, &handle) != ERROR_SUCCESS) return false;
  RegCloseKey(handle);
  return true;
}

// Runs the setup program with these switches and gives its exit code, or -1.
int RunSetup(const std::wstring& switches) {
  ChildProcess setup;
  if (!setup.Start(L"\"" + Environment(L"BIRTHDAY_MEMO_SETUP") + L"\" " + switches)) return -1;
  return setup.WaitForExit(kSetupTimeoutMs);
}

// The installed program, started from the Start-menu shortcut's target in its folder.
class InstalledProgram {
 public:
  bool Start(const std::wstring& program) {
    return process_.Start(L"\"" + program + L"\"", InstallFolder());
  }
  HWND WaitForSetUp() { return wine_test::WaitForSetUp(process_.Handle(), process_.Id()); }
  std::wstring RecordCount(HWND main) { return RecordCountText(process_.Handle(), main); }
  bool EndsWithin(int timeoutMs) { return process_.WaitForExit(timeoutMs) != -1; }
  int Close(HWND main) {
    PostMessageW(main, WM_CLOSE, 0, 0);
    return process_.WaitForExit(kPageTimeoutMs);
  }

 private:
  ChildProcess process_;
};

std::wstring LogOnCommand() {
  return L"\"" + Installed(L"birthday-memo.exe") + L"\" /autostart";
}

// The control of the setup program's window, at any depth, that shows this text.
HWND ControlWithText(HWND window, const std::wstring& text) {
  struct Search {
    const std::wstring& text;
    HWND found;
  } search{text, nullptr};
  EnumChildWindows(
      window,
      [](HWND child, LPARAM data) {
        auto* search = reinterpret_cast<Search*>(data);
        if (WindowText(child) == search->text) search->found = child;
        return search->found ? FALSE : TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

const std::wstring kSampleCount = L"当前记录数：" + std::to_wstring(kSampleFriends.size());

}  // namespace

TEST(Installer, SilentInstallGivesShortcutAppsEntryAndPrograms) {
  // The first page, as a user who starts the setup program sees it.
  {
    ChildProcess setup;
    ASSERT_TRUE(setup.Start(L"\"" + Environment(L"BIRTHDAY_MEMO_SETUP") + L"\""));
    HWND window = nullptr;
    EXPECT_TRUE(WaitUntil([&] { return (window = VisibleWindowOf(setup.Id())) != nullptr; },
                          kPageTimeoutMs));
    PumpMessages(kPaintMs);
    EXPECT_NE(WindowText(window).find(L"寿辰备忘录"), std::wstring::npos)
        << Utf8(WindowText(window));
    SaveScreenshot("installer-first-page");
  }
  ASSERT_FALSE(FileExists(InstallFolder()));

  ASSERT_EQ(RunSetup(L"/S"), 0);
  for (const std::wstring& name : kProgramFiles) {
    EXPECT_TRUE(FileExists(Installed(name))) << Utf8(name);
  }
  EXPECT_TRUE(FileBytes(Installed(L"birthday-memo.exe")) == FileBytes(ReleaseProgram()));
  EXPECT_FALSE(FileExists(Installed(L"config.mdb")));
  EXPECT_FALSE(FileExists(DesktopShortcut())) << "the desktop shortcut is the user's choice";
  // As the last page's box is ticked.
  EXPECT_EQ(log_on::Read().text, LogOnCommand());

  struct Expected {
    const wchar_t* name;
    std::wstring text;
  };
  const std::wstring version = Environment(L"BIRTHDAY_MEMO_VERSION");
  for (const Expected& value : std::vector<Expected>{
           {L"DisplayName", L"寿辰备忘录"},
           {L"DisplayVersion", version},
           {L"Publisher", L"寿辰备忘录的作者们"},
           {L"DisplayIcon", Installed(L"birthday-memo.exe")},
           {L"InstallLocation", InstallFolder()},
           {L"UninstallString", L"\"" + Installed(L"uninstall.exe") + L"\""},
           {L"QuietUninstallString", L"\"" + Installed(L"uninstall.exe") + L"\" /S"}}) {
    EXPECT_EQ(settings::ReadValue(kUninstallKey, value.name).text, value.text) << Utf8(value.name);
  }
  const DWORD sizeKb = settings::ReadValue(kUninstallKey, L"EstimatedSize").number;
  EXPECT_GT(sizeKb, FileBytes(ReleaseProgram()).size() / 1024);

  const std::wstring target = ShortcutTarget(StartMenuShortcut());
  EXPECT_EQ(target, Installed(L"birthday-memo.exe"));
  InstalledProgram program;
  ASSERT_TRUE(program.Start(target));
  HWND main = program.WaitForSetUp();
  ASSERT_NE(main, nullptr);
  EXPECT_TRUE(FileExists(Installed(L"config.mdb")));
  // The set-up's last words come before the window's last paint.
  PumpMessages(kPaintMs);
  SaveScreenshot("installer-installed-program");
  EXPECT_EQ(program.Close(main), 0);
}

TEST(Installer, UpgradeEndsTheRunningProgramAndKeepsTheFriends) {
  ASSERT_EQ(RunSetup(L"/S"), 0);
  // An earlier program in the installed folder (the test build: other bytes), with friends.
  const std::wstring earlier =
      WindowsPath(Utf8(Environment(L"BIRTHDAY_MEMO_EXE_DIR")) + "/birthday-memo.exe");
  ASSERT_TRUE(CopyFileW(earlier.c_str(), Installed(L"birthday-memo.exe").c_str(), FALSE));
  DeleteFileW(Installed(L"config.mdb").c_str());
  ASSERT_TRUE(AddFriends(InstallFolder(), kSampleFriends));
  SetEnvironmentVariableW(L"BIRTHDAY_MEMO_PUBLISHER_HOST", L"127.0.0.1:9");
  InstalledProgram running;
  ASSERT_TRUE(running.Start(Installed(L"birthday-memo.exe")));
  HWND main = running.WaitForSetUp();
  ASSERT_NE(main, nullptr);
  EXPECT_EQ(running.RecordCount(main), kSampleCount);
  const std::wstring page = Installed(L"最近生日.html");
  ASSERT_TRUE(WaitUntil([&] { return FileExists(page); }, kPageTimeoutMs));
  const std::string friends = FileBytes(Installed(L"config.mdb"));
  const std::string pageBytes = FileBytes(page);
  // The user turned the start at log-on off; the upgrade keeps it so.
  log_on::Clear();

  ASSERT_EQ(RunSetup(L"/S"), 0);
  EXPECT_FALSE(log_on::Read().exists);
  EXPECT_TRUE(running.EndsWithin(0)) << "the setup program left the earlier program running";
  EXPECT_TRUE(FileBytes(Installed(L"birthday-memo.exe")) == FileBytes(ReleaseProgram()));
  EXPECT_TRUE(FileBytes(Installed(L"config.mdb")) == friends);
  EXPECT_TRUE(FileBytes(page) == pageBytes);

  InstalledProgram upgraded;
  ASSERT_TRUE(upgraded.Start(ShortcutTarget(StartMenuShortcut())));
  main = upgraded.WaitForSetUp();
  ASSERT_NE(main, nullptr);
  EXPECT_EQ(upgraded.RecordCount(main), kSampleCount);
  PumpMessages(kPaintMs);
  SaveScreenshot("installer-upgraded-program");
  EXPECT_EQ(upgraded.Close(main), 0);
}

TEST(Installer, SilentUninstallRemovesAllButTheFriends) {
  ASSERT_EQ(RunSetup(L"/S"), 0);
  DeleteFileW(Installed(L"config.mdb").c_str());
  ASSERT_TRUE(AddFriends(InstallFolder(), kSampleFriends));
  const std::string friends = FileBytes(Installed(L"config.mdb"));
  const std::wstring autostart = L"\"" + Installed(L"birthday-memo.exe") + L"\" /autostart";
  HKEY run = nullptr;
  ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, kRunKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &run,
                            nullptr),
            ERROR_SUCCESS);
  RegSetValueExW(run, L"寿辰备忘录", 0, REG_SZ, reinterpret_cast<const BYTE*>(autostart.c_str()),
                 static_cast<DWORD>((autostart.size() + 1) * sizeof(wchar_t)));
  RegCloseKey(run);
  InstalledProgram running;
  ASSERT_TRUE(running.Start(Installed(L"birthday-memo.exe")));
  ASSERT_NE(running.WaitForSetUp(), nullptr);

  // The uninstaller runs on from a copy of itself in the temporary folder.
  ChildProcess uninstall;
  ASSERT_TRUE(uninstall.Start(L"\"" + Installed(L"uninstall.exe") + L"\" /S"));
  EXPECT_TRUE(WaitUntil(
      [] { return !FileExists(Installed(L"uninstall.exe")) && !KeyExists(kUninstallKey); },
      kSetupTimeoutMs));
  EXPECT_TRUE(running.EndsWithin(kPageTimeoutMs));
  for (const std::wstring& name : kProgramFiles) {
    EXPECT_FALSE(FileExists(Installed(name))) << Utf8(name);
  }
  EXPECT_FALSE(FileExists(StartMenuShortcut()));
  EXPECT_FALSE(log_on::Read().exists);
  EXPECT_TRUE(FileBytes(Installed(L"config.mdb")) == friends);
}

TEST(Installer, LastPageTicksTheStartAtLogOn) {
  ChildProcess setup;
  ASSERT_TRUE(setup.Start(L"\"" + Environment(L"BIRTHDAY_MEMO_SETUP") + L"\""));
  HWND window = nullptr;
  ASSERT_TRUE(
      WaitUntil([&] { return (window = VisibleWindowOf(setup.Id())) != nullptr; }, kPageTimeoutMs));
  // 下一步 (the outer window's button 1) through the pages until the last one shows.
  HWND box = nullptr;
  ASSERT_TRUE(WaitUntil(
      [&] {
        box = ControlWithText(window, L"开机时自动启动");
        if (box && IsWindowVisible(box)) return true;
        HWND next = GetDlgItem(window, 1);
        if (IsWindowEnabled(next)) PostMessageW(next, BM_CLICK, 0, 0);
        PumpMessages(500);
        return false;
      },
      kSetupTimeoutMs));
  EXPECT_EQ(SendMessageW(box, BM_GETCHECK, 0, 0), BST_CHECKED);
  HWND run = ControlWithText(window, L"运行 寿辰备忘录");
  ASSERT_NE(run, nullptr);
  SendMessageW(run, BM_SETCHECK, BST_UNCHECKED, 0);  // nothing to start in this test
  PumpMessages(kPaintMs);
  SaveScreenshot("installer-last-page");
  PostMessageW(GetDlgItem(window, 1), BM_CLICK, 0, 0);
  EXPECT_EQ(setup.WaitForExit(kSetupTimeoutMs), 0);
  EXPECT_EQ(log_on::Read().text, LogOnCommand());
}
