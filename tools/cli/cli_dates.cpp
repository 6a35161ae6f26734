// Date commands: the strict text reader and the text form of DateTime values.
#include <cstdio>
#include <cstdlib>

#include "cli.h"
#include "datetime/date_time.h"

namespace memo::cli {
namespace {

int DateCommand(const Arguments& args) {
  if (args.size() != 1) return Usage();
  DateTime value = DateFromText(args[0]);
  char number[64];
  std::snprintf(number, sizeof number, "%.17g", value);
  PrintLine(std::string(number) + "\t" + DateToText(value));
  return 0;
}

int DateTextCommand(const Arguments& args) {
  if (args.size() != 1) return Usage();
  char* end = nullptr;
  double value = std::strtod(args[0].c_str(), &end);
  if (end == args[0].c_str() || *end != '\0') return Usage();
  PrintLine(DateToText(value));
  return 0;
}

const CommandRegistrar date("date", "date TEXT", DateCommand);
const CommandRegistrar dateText("date-text", "date-text VALUE", DateTextCommand);

}  // namespace
}  // namespace memo::cli
