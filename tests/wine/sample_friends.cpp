#include "sample_friends.h"

#include <cstdio>
#include <cstdlib>

#include "child_process.h"
#include "test_files.h"
#include "window_basics.h"

namespace wine_test {
namespace {

constexpr int kToolTimeoutMs = 15000;
constexpr int kStartAttempts = 3;
constexpr int kStartRetryMs = 500;

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

int RunCli(const std::vector<std::string>& arguments) {
  const char* exeDir = std::getenv("BIRTHDAY_MEMO_EXE_DIR");
  if (!exeDir) return -1;
  std::wstring exe = WindowsPath(std::string(exeDir) + "/birthday-memo-cli.exe");
  std::wstring commandLine = Quoted(exe);
  for (const std::string& argument : arguments) commandLine += L" " + Quoted(Wide(argument));
  ChildProcess tool;
  // A Wine session just started may refuse a process for a moment; the tool's own failures
  // are never retried.
  int attempts = 0;
  while (!tool.Start(commandLine, {}, true)) {
    std::fprintf(stderr, "RunCli: CreateProcess failed with error %lu\n", GetLastError());
    if (++attempts == kStartAttempts) return -1;
    Sleep(kStartRetryMs);
  }
  const int code = tool.WaitForExit(kToolTimeoutMs);
  if (code != 0) std::fprintf(stderr, "RunCli: %ls gave %d\n", commandLine.c_str(), code);
  return code;
}

bool AddFriends(const std::wstring& folder, const std::vector<SampleFriend>& friends) {
  for (const SampleFriend& person : friends) {
    std::vector<std::string> arguments = {"add",           "--db",
                                          Gb18030(folder), person.name,
                                          person.birthday, person.lunar ? "lunar" : "solar"};
    if (*person.contact) arguments.push_back(person.contact);
    if (RunCli(arguments) != 0) return false;
  }
  return true;
}

std::string CliReportPage(const std::wstring& folder, const std::string& today) {
  const std::wstring page = folder + L"\\cli-report.html";
  if (RunCli({"--today", today, "report", "--db", Gb18030(folder), "--out", Gb18030(page)}) != 0) {
    return std::string();
  }
  return FileBytes(page);
}

}  // namespace wine_test
