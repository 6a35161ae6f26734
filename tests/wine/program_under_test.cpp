#include "program_under_test.h"

#include <cstdlib>
#include <vector>

#include "text/text_codec.h"

namespace wine_test {

std::wstring WindowsPath(const std::string& unixPath) {
  std::wstring path = L"Z:";
  for (char c : unixPath) path += (c == '/') ? L'\\' : static_cast<wchar_t>(c);
  return path;
}

std::wstring Wide(const std::string& gbk) {
  std::u16string text = memo::GbkToUtf16(gbk);
  return std::wstring(text.begin(), text.end());
}

ProgramUnderTest::ProgramUnderTest() {
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  wchar_t name[64];
  wsprintfW(name, L"memo-%lu-%lu", GetCurrentProcessId(), GetTickCount());
  folder_ = std::wstring(temp) + name;
  CreateDirectoryW(folder_.c_str(), nullptr);
}

ProgramUnderTest::~ProgramUnderTest() {
  if (process_.hProcess) {
    if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
      TerminateProcess(process_.hProcess, 1);
    }
    CloseHandle(process_.hProcess);
    CloseHandle(process_.hThread);
  }
}

bool ProgramUnderTest::Start(const StartOptions& options) {
  const char* exeDir = std::getenv("BIRTHDAY_MEMO_EXE_DIR");
  if (!exeDir) return false;
  std::wstring source = WindowsPath(std::string(exeDir) + "/birthday-memo.exe");
  std::wstring exe = folder_ + L"\\birthday-memo.exe";
  if (!CopyFileW(source.c_str(), exe.c_str(), FALSE)) return false;
  SetEnvironmentVariableW(L"BIRTHDAY_MEMO_TODAY", Wide(options.today).c_str());
  STARTUPINFOW startup = {};
  startup.cb = sizeof(startup);
  std::wstring commandLine = L"\"" + exe + L"\"";
  return CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder_.c_str(), &startup, &process_) != 0;
}

namespace {
struct WindowSearch {
  DWORD processId;
  const wchar_t* className;
  HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<WindowSearch*>(data);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != search->processId || !IsWindowVisible(window)) return TRUE;
  if (search->className) {
    wchar_t name[256];
    GetClassNameW(window, name, 256);
    if (lstrcmpW(name, search->className) != 0) return TRUE;
  }
  search->found = window;
  return FALSE;
}
}  // namespace

HWND ProgramUnderTest::WaitForWindow(const wchar_t* className, int timeoutMs) {
  for (int waited = 0; waited <= timeoutMs; waited += 50) {
    WindowSearch search{process_.dwProcessId, className, nullptr};
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
    if (search.found) return search.found;
    Sleep(50);
  }
  return nullptr;
}

int ProgramUnderTest::WaitForExit(int timeoutMs) {
  if (WaitForSingleObject(process_.hProcess, timeoutMs) != WAIT_OBJECT_0) return -1;
  DWORD code = 0;
  GetExitCodeProcess(process_.hProcess, &code);
  return static_cast<int>(code);
}

std::wstring WindowText(HWND window) {
  int length = GetWindowTextLengthW(window);
  std::vector<wchar_t> buffer(length + 1);
  GetWindowTextW(window, buffer.data(), length + 1);
  return std::wstring(buffer.data());
}

void SaveScreenshot(const std::string& name) {
  const char* folder = std::getenv("BIRTHDAY_MEMO_SHOTS");
  if (!folder) return;
  HDC screen = GetDC(nullptr);
  int width = GetSystemMetrics(SM_CXVIRTUALSCREEN), height = GetSystemMetrics(SM_CYVIRTUALSCREEN);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, 0, 0, SRCCOPY);
  SelectObject(memory, old);

  DWORD stride = ((width * 3 + 3) / 4) * 4;
  DWORD imageBytes = stride * height;
  BITMAPFILEHEADER file = {};
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof(file) + sizeof(info.bmiHeader);
  file.bfSize = file.bfOffBits + imageBytes;
  std::wstring path = WindowsPath(std::string(folder) + "/" + name + ".bmp");
  HANDLE out = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (out != INVALID_HANDLE_VALUE) {
    DWORD written = 0;
    WriteFile(out, &file, sizeof(file), &written, nullptr);
    WriteFile(out, &info.bmiHeader, sizeof(info.bmiHeader), &written, nullptr);
    WriteFile(out, bits, imageBytes, &written, nullptr);
    CloseHandle(out);
  }
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
}

}  // namespace wine_test
