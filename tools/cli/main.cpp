// birthday-memo-cli: the portable core on the command line.
//   birthday-memo-cli [--today YYYY-MM-DD] COMMAND ARGS...
//   birthday-memo-cli --version
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <optional>
#include <string>

#include "cli.h"
#include "cli_platform.h"
#include "datetime/clock.h"
#include "text/text_codec.h"

namespace memo::cli {
namespace {

struct Command {
  const char* usage;
  CommandFunction function;
};

std::map<std::string, Command>& Commands() {
  static std::map<std::string, Command> commands;
  return commands;
}

const char* runningUsage = nullptr;

// Every text the tool prints is GBK inside and UTF-8 outside, usage lines too.
void PrintTo(std::FILE* stream, const std::string& gbk) {
  std::string utf8 = Gb18030ToUtf8(gbk);
  std::fwrite(utf8.data(), 1, utf8.size(), stream);
  std::fputc('\n', stream);
}

void PrintAllUsage() {
  PrintError(
      "usage: birthday-memo-cli [--today YYYY-MM-DD] COMMAND ARGS...\n"
      "       birthday-memo-cli --version");
  for (const auto& [name, command] : Commands()) {
    PrintError(std::string("  birthday-memo-cli ") + command.usage);
  }
}

}  // namespace

CommandRegistrar::CommandRegistrar(const char* name, const char* usage, CommandFunction function) {
  Commands()[name] = Command{usage, function};
}

void PrintLine(const std::string& gbk) {
  PrintTo(stdout, gbk);
}

void PrintError(const std::string& gbk) {
  PrintTo(stderr, gbk);
}

int Usage() {
  PrintError(std::string("usage: birthday-memo-cli ") + (runningUsage ? runningUsage : ""));
  return 2;
}

std::string TakeOption(Arguments& args, const std::string& name, const std::string& fallback,
                       bool& ok) {
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] != name) continue;
    if (i + 1 >= args.size()) {
      ok = false;
      return fallback;
    }
    std::string value = args[i + 1];
    args.erase(args.begin() + i, args.begin() + i + 2);
    return value;
  }
  return fallback;
}

bool TakeFlag(Arguments& args, const std::string& name) {
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == name) {
      args.erase(args.begin() + i);
      return true;
    }
  }
  return false;
}

bool ReadInteger(const std::string& text, int& value) {
  if (text.empty()) return false;
  char* end = nullptr;
  errno = 0;
  const long number = std::strtol(text.c_str(), &end, 10);
  if (*end != '\0' || errno == ERANGE || number < INT_MIN || number > INT_MAX) return false;
  value = static_cast<int>(number);
  return true;
}

}  // namespace memo::cli

int main(int argc, char** argv) {
  using namespace memo::cli;
  PrepareOutput();
  std::optional<Arguments> given = GbkArguments(argc, argv);
  if (!given) {
    PrintError("参数不是有效的UTF-8文字");
    return 2;
  }
  Arguments args = std::move(*given);
  if (args.size() == 1 && args[0] == "--version") {
    std::puts("birthday-memo-cli " PROGRAM_VERSION);
    return 0;
  }
  if (args.size() >= 2 && args[0] == "--today") {
    const memo::DayNumber today = memo::ParseIsoDate(args[1]);
    if (!today.ok()) {
      PrintAllUsage();
      return 2;
    }
    memo::FixClock(memo::DateTimeOf(today));
    args.erase(args.begin(), args.begin() + 2);
  }
  if (args.empty()) {
    PrintAllUsage();
    return 2;
  }
  auto found = Commands().find(args[0]);
  if (found == Commands().end()) {
    PrintAllUsage();
    return 2;
  }
  runningUsage = found->second.usage;
  args.erase(args.begin());
  return found->second.function(args);
}
