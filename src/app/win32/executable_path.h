// Where the running program lives: its data and its page are beside it, and one copy runs
// per folder.
#pragma once

#include <string>

namespace memo {

// The full path of the running executable, GBK.
std::string ExecutablePath();
// Its folder, GBK, without a trailing separator.
std::string ExecutableDirectory();

}  // namespace memo
