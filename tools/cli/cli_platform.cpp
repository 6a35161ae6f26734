#include "cli_platform.h"

#include "text/text_codec.h"

#ifdef _WIN32
#include <windows.h>

#include <fcntl.h>
#include <io.h>
#include <shellapi.h>
#endif

namespace memo::cli {

#ifdef _WIN32
std::optional<Arguments> GbkArguments(int, char**) {
  // The wide command line holds the arguments exactly, whatever the ANSI code page.
  int count = 0;
  wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
  Arguments args;
  for (int i = 1; i < count; ++i) {
    args.push_back(Utf16ToGb18030(reinterpret_cast<const char16_t*>(wide[i])));
  }
  LocalFree(wide);
  return args;
}

void PrepareOutput() {
  SetConsoleOutputCP(CP_UTF8);
  _setmode(_fileno(stdout), _O_BINARY);
}
#else
std::optional<Arguments> GbkArguments(int argc, char** argv) {
  Arguments args;
  for (int i = 1; i < argc; ++i) {
    if (!IsWellFormedUtf8(argv[i])) return std::nullopt;
    args.push_back(Utf8ToGb18030(argv[i]));
  }
  return args;
}

void PrepareOutput() {}
#endif

}  // namespace memo::cli
