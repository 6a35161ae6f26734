// The readings the friend search uses, for tests and for users to check a name:
//   pinyin TEXT        a line for each character: the character, a tab, and its readings,
//                      the customary one first, each with its tone as a digit (5 for the
//                      light tone); nothing after the tab for a character without any
#include "cli.h"
#include "text/gb18030.h"
#include "text/pinyin.h"

namespace memo::cli {
namespace {

int PinyinCommand(const Arguments& args) {
  if (args.size() != 1) return Usage();
  const std::string& text = args[0];
  for (size_t pos = 0; pos < text.size();) {
    const size_t start = pos;
    const uint32_t code = NextGb18030Character(text, pos);
    std::string line = text.substr(start, pos - start) + "\t";
    for (const PinyinReading* reading = PinyinReadingsOf(code); *reading != 0; ++reading) {
      if (reading != PinyinReadingsOf(code)) line += " ";
      line += std::string(PinyinSyllable(*reading)) + std::to_string(PinyinTone(*reading));
    }
    PrintLine(line);
  }
  return 0;
}

const CommandRegistrar pinyin("pinyin", "pinyin TEXT", PinyinCommand);

}  // namespace
}  // namespace memo::cli
