// A window of the program that cannot be made whole is reported and never shown half made.
#include <gtest/gtest.h>

#include "program_under_test.h"
#include "program_windows.h"
#include "ui/window_ids.h"
#include "window_basics.h"

using namespace wine_test;

namespace {

// Wine leaves a library out for the program while this lives: an empty override for the
// program's name among Wine's per-program defaults.
class MissingLibrary {
 public:
  explicit MissingLibrary(const char* library) : library_(Wide(library)) {
    RegCreateKeyExW(HKEY_CURRENT_USER, kOverrides, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key_,
                    nullptr);
    RegSetValueExW(key_, library_.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(L""),
                   sizeof(wchar_t));
  }
  ~MissingLibrary() {
    RegDeleteValueW(key_, library_.c_str());
    RegCloseKey(key_);
  }
  MissingLibrary(const MissingLibrary&) = delete;
  MissingLibrary& operator=(const MissingLibrary&) = delete;

 private:
  static constexpr const wchar_t* kOverrides =
      L"Software\\Wine\\AppDefaults\\birthday-memo.exe\\DllOverrides";
  std::wstring library_;
  HKEY key_ = nullptr;
};

struct MissingLibraryCase {
  const char* library;  // left out by Wine for the program
  const char* control;  // what cannot be made without it
};

// The report view is a rich edit control of Msftedit.dll.
const MissingLibraryCase kMissingLibraryCases[] = {{"msftedit", "the report view"}};

}  // namespace

TEST(WindowFailure, AMainWindowLackingAControlIsReportedNeverShownAndTheProgramEnds) {
  for (const MissingLibraryCase& entry : kMissingLibraryCases) {
    SCOPED_TRACE(entry.control);
    MissingLibrary missing(entry.library);
    ProgramUnderTest program;
    ASSERT_TRUE(program.Start());
    HWND box = program.WaitForWindow(L"#32770");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageBoxText(box).rfind(Wide("无法打开窗口“寿辰备忘录”（错误代码 "), 0), 0u)
        << Utf8(MessageBoxText(box));
    EXPECT_TRUE(WindowText(box) == Wide("寿辰备忘录")) << Utf8(WindowText(box));
    SaveScreenshot("window-failure-report");
    EXPECT_EQ(program.WaitForWindow(memo::ui::kMainWindowClass, 0), nullptr);
    SendMessageW(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
    EXPECT_EQ(program.WaitForExit(), 1);
  }
}
