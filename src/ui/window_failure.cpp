#include "ui/window_failure.h"

#include "text/win32/wide_text.h"

namespace memo::ui {

void ReportWindowFailure(HWND owner, const char* caption, const std::string& step) {
  const DWORD error = GetLastError();
  const std::string code = std::to_string(error);
  OutputDebugStringW(Wide("birthday-memo: the window \"" + std::string(caption) +
                          "\" was not made: " + step + " failed with error " + code + "\n")
                         .c_str());
  const std::string text = "无法打开窗口“" + std::string(caption) + "”（错误代码 " + code + "）。";
  MessageBoxW(owner, Wide(text).c_str(), Wide(kProgramName).c_str(), MB_OK | MB_ICONERROR);
}

}  // namespace memo::ui
