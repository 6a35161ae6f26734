// What differs between the native and the Windows console build of the tool.
#pragma once

#include "cli.h"

namespace memo::cli {

// The command-line arguments after the program name, as GBK.
Arguments GbkArguments(int argc, char** argv);
// Makes standard output take UTF-8 bytes as they are.
void PrepareOutput();

}  // namespace memo::cli
