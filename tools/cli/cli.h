// The command-line tool's small framework: each command file registers its commands
// with a static CommandRegistrar. Arguments reach commands as GBK; output lines are
// GBK and leave the program as UTF-8.
#pragma once

#include <string>
#include <vector>

#include "records/error_reporter.h"

namespace memo::cli {

using Arguments = std::vector<std::string>;
// Returns the process exit code. A wrong argument count is answered with Usage().
using CommandFunction = int (*)(const Arguments& args);

struct CommandRegistrar {
  CommandRegistrar(const char* name, const char* usage, CommandFunction function);
};

void PrintLine(const std::string& gbk);
void PrintError(const std::string& gbk);
// Prints the usage line of the running command to standard error and returns 2.
int Usage();

// Removes "--name VALUE" from args and returns VALUE, or `fallback` when absent.
// Sets `ok` to false when the option is present without a value.
std::string TakeOption(Arguments& args, const std::string& name, const std::string& fallback,
                       bool& ok);
// Removes a "--name" flag from args and tells whether it was there.
bool TakeFlag(Arguments& args, const std::string& name);

// Data-access errors go to standard error and are counted.
struct PrintedErrors : ErrorReporter {
  void ShowError(const std::string& text) override {
    PrintError(text);
    ++count;
  }
  int count = 0;
};

// Reads a whole argument as a decimal int; false for anything else.
bool ReadInteger(const std::string& text, int& value);

}  // namespace memo::cli
