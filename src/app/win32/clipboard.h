// Text put on the system clipboard, for pasting into any other program.
#pragma once

#include <windows.h>

#include <string>

namespace memo {

// Replaces the clipboard's content with the GBK text as Unicode text; false when the
// clipboard could not be taken (another program holds it) or the text not placed.
bool CopyToClipboard(HWND owner, const std::string& gbk);

}  // namespace memo
