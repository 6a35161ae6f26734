// Runs the real birthday-memo-cli and captures what it prints.
#pragma once

#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <string>

namespace memo::testing {

struct CliResult {
  int exitCode = -1;
  std::string out;  // standard output, UTF-8 as the tool prints it
};

// `arguments` is a shell-quoted argument text, UTF-8.
inline CliResult RunCli(const std::string& arguments) {
  CliResult result;
  std::string command = std::string(CLI_PATH) + " " + arguments + " 2>/dev/null";
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return result;
  std::array<char, 4096> buffer;
  size_t got;
  while ((got = fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
    result.out.append(buffer.data(), got);
  int status = pclose(pipe);
  result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return result;
}

}  // namespace memo::testing
