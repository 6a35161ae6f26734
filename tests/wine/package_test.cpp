// The release zip as a user gets it: unpacked by run-package-test into an empty folder,
// whose Windows path BIRTHDAY_MEMO_PACKAGE_DIR names. Only that script runs this suite.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "child_process.h"
#include "started_program.h"
#include "window_basics.h"

using namespace wine_test;

namespace {

// One text of the version resource's Simplified Chinese, Unicode block.
std::wstring VersionText(const std::wstring& file, const wchar_t* name) {
  DWORD ignored = 0;
  DWORD size = GetFileVersionInfoSizeW(file.c_str(), &ignored);
  if (size == 0) return L"(no version resource)";
  std::string data(size, '\0');
  if (!GetFileVersionInfoW(file.c_str(), 0, size, data.data())) return L"(unreadable)";
  wchar_t* text = nullptr;
  UINT length = 0;
  std::wstring path = std::wstring(L"\\StringFileInfo\\080404b0\\") + name;
  if (!VerQueryValueW(data.data(), path.c_str(), reinterpret_cast<void**>(&text), &length))
    return L"(missing)";
  return std::wstring(text, length > 0 && text[length - 1] == L'\0' ? length - 1 : length);
}

}  // namespace

TEST(Package, UnpackedProgramStartsAndNamesItsVersion) {
  const std::wstring folder = Environment(L"BIRTHDAY_MEMO_PACKAGE_DIR");
  const std::wstring version = Environment(L"BIRTHDAY_MEMO_VERSION");
  ASSERT_FALSE(folder.empty());
  ASSERT_FALSE(version.empty());
  const std::wstring program = folder + L"\\birthday-memo.exe";
  const std::wstring tool = folder + L"\\birthday-memo-cli.exe";

  for (const std::wstring& file : {program, tool}) {
    EXPECT_EQ(VersionText(file, L"ProductName"), L"寿辰备忘录") << Utf8(file);
    EXPECT_EQ(VersionText(file, L"ProductVersion"), version) << Utf8(file);
    EXPECT_EQ(VersionText(file, L"FileVersion"), version) << Utf8(file);
    EXPECT_NE(VersionText(file, L"LegalCopyright").find(L"寿辰备忘录"), std::wstring::npos);
  }
  EXPECT_EQ(VersionText(program, L"OriginalFilename"), L"birthday-memo.exe");
  EXPECT_EQ(VersionText(tool, L"OriginalFilename"), L"birthday-memo-cli.exe");

  const std::wstring database = folder + L"\\config.mdb";
  ASSERT_EQ(GetFileAttributesW(database.c_str()), INVALID_FILE_ATTRIBUTES);
  ChildProcess process;
  ASSERT_TRUE(process.Start(L"\"" + program + L"\"", folder));
  HWND window = WaitForSetUp(process.Handle(), process.Id());
  EXPECT_NE(window, nullptr);
  EXPECT_TRUE(WaitUntil(
      [&] { return GetFileAttributesW(database.c_str()) != INVALID_FILE_ATTRIBUTES; }, 15000));
  SaveScreenshot("package-unpacked-program");
  if (window) PostMessageW(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(process.WaitForExit(15000), 0);
}
