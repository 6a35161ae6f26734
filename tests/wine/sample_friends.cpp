#include "sample_friends.h"

#include <windows.h>

#include <cstdlib>

#include "program_windows.h"
#include "text/text_codec.h"
#include "ui/window_ids.h"

namespace wine_test {
namespace {

// One argument quoted for CommandLineToArgvW; none of ours ends in a backslash before a quote.
std::wstring Quoted(const std::wstring& argument) {
  return L"\"" + argument + L"\"";
}

}  // namespace

const std::vector<SampleFriend> kSampleFriends = {
    {"张伟", "1985年4月15日", false, "13800138000"},
    {"王芳", "1990年4月16日", false, "13912345678"},
    {"李娜", "1976年3月28日", true, "18611112222"},
    {"刘洋", "2001年4月25日", false, ""},
    {"陈静", "1980年10月1日", false, "02166668888"},
    {"赵敏", "1992年2月29日", false, "13766667777"},
    {"黄晓明", "2009年5月10日[闰月]", true, "13500001111"},
    {"周杰", "1980年4月30日", true, "13611110000"},
    {"吴敏", "1958年4月20日", false, ""},
};

HWND StartMainWindowWith(ProgramUnderTest& program, int recordCount, const StartOptions& options) {
  HWND main = StartMainWindow(program, options);
  if (!main) return nullptr;
  HWND status = GetDlgItem(main, memo::ui::main_window::Status);
  const std::wstring count = Wide("当前记录数：" + std::to_string(recordCount));
  return StatusPartText(program.Process(), status, 1) == count ? main : nullptr;
}

int RunCli(const std::vector<std::string>& arguments) {
  const char* exeDir = std::getenv("BIRTHDAY_MEMO_EXE_DIR");
  if (!exeDir) return -1;
  std::wstring exe = WindowsPath(std::string(exeDir) + "/birthday-memo-cli.exe");
  std::wstring commandLine = Quoted(exe);
  for (const std::string& argument : arguments) commandLine += L" " + Quoted(Wide(argument));
  STARTUPINFOW startup = {};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_HIDE;
  PROCESS_INFORMATION process = {};
  if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW,
                      nullptr, nullptr, &startup, &process)) {
    return -1;
  }
  DWORD code = static_cast<DWORD>(-1);
  if (WaitForSingleObject(process.hProcess, 15000) == WAIT_OBJECT_0) {
    GetExitCodeProcess(process.hProcess, &code);
  } else {
    TerminateProcess(process.hProcess, 1);
  }
  CloseHandle(process.hProcess);
  CloseHandle(process.hThread);
  return static_cast<int>(code);
}

bool AddFriends(const std::wstring& folder, const std::vector<SampleFriend>& friends) {
  for (const SampleFriend& person : friends) {
    std::vector<std::string> arguments = {
        "add", "--db", Gbk(folder), person.name, person.birthday, person.lunar ? "lunar" : "solar"};
    if (*person.contact) arguments.push_back(person.contact);
    if (RunCli(arguments) != 0) return false;
  }
  return true;
}

std::string CliReportPage(const std::wstring& folder, const std::string& today) {
  const std::wstring page = folder + L"\\cli-report.html";
  if (RunCli({"--today", today, "report", "--db", Gbk(folder), "--out", Gbk(page)}) != 0) {
    return std::string();
  }
  return FileBytes(page);
}

std::string Gbk(const std::wstring& text) {
  return memo::Utf16ToGbk(std::u16string(text.begin(), text.end()));
}

std::string FileBytes(const std::wstring& path) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::string();
  std::string bytes;
  char buffer[65536];
  DWORD read = 0;
  while (ReadFile(file, buffer, sizeof(buffer), &read, nullptr) && read > 0) {
    bytes.append(buffer, read);
  }
  CloseHandle(file);
  return bytes;
}

bool FileExists(const std::wstring& path) {
  return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void WriteFileBytes(const std::wstring& path, const std::string& bytes) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
}

}  // namespace wine_test
