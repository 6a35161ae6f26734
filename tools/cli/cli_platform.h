// What differs between the native and the Windows console build of the tool.
#pragma once

#include <optional>

#include "cli.h"

namespace memo::cli {

// The command-line arguments after the program name, in the inside encoding; nothing when
// one of them is not well-formed UTF-8 (a name read from it would not be the one meant).
std::optional<Arguments> GbkArguments(int argc, char** argv);
// Makes standard output take UTF-8 bytes as they are.
void PrepareOutput();

}  // namespace memo::cli
