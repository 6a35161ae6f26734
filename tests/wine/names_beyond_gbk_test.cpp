// Names with characters that GBK lacks, pasted into the add window of the real program: the
// birthday table, the friend list and the page keep every character.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "birthday_table.h"
#include "birthday_window_parts.h"
#include "program_under_test.h"
#include "program_windows.h"
#include "real_input.h"
#include "remote_controls.h"
#include "ui/window_ids.h"
#include "window_basics.h"

using namespace wine_test;
namespace main_ids = memo::ui::main_window;
namespace ids = memo::ui::birthday_window;
namespace input = wine_test::real_input;

namespace {

bool PutOnClipboard(const std::wstring& text) {
  if (!OpenClipboard(nullptr)) return false;
  EmptyClipboard();
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
  std::copy(text.c_str(), text.c_str() + text.size() + 1,
            static_cast<wchar_t*>(GlobalLock(memory)));
  GlobalUnlock(memory);
  const bool put = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
  CloseClipboard();
  return put;
}

// Adds a friend on today's lunar date whose name is pasted with Ctrl+V.
void AddPasted(ProgramUnderTest& program, HWND main, const std::wstring& name) {
  HWND window = OpenBirthdayWindow(program, main, ToolbarButton::kAdd);
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(WaitUntil([&] { return input::IsActive(window); }));
  ASSERT_TRUE(PutOnClipboard(name));
  ASSERT_TRUE(input::Click(input::CentreOf(GetDlgItem(window, ids::kName))));
  ASSERT_TRUE(input::PressKeys("ctrl+v"));
  ASSERT_TRUE(WaitUntil([&] { return WindowText(GetDlgItem(window, ids::kName)) == name; }));
  SaveScreenshot("names-beyond-gbk-pasted");
  ASSERT_TRUE(input::Click(input::CentreOf(GetDlgItem(window, ids::kSave))));
  ASSERT_TRUE(WaitUntil([&] { return !IsWindow(window); }));
}

}  // namespace

TEST(NamesBeyondGbk, PastedNamesReachTheTableTheListAndThePage) {
  const std::wstring wang = L"\u738B\U0002C317", liu = L"\u5218\u4DAE";  // 王𬌗, 刘䶮
  ProgramUnderTest program;
  HWND main = program.StartMain();
  ASSERT_NE(main, nullptr);
  AddPasted(program, main, wang);
  AddPasted(program, main, liu);

  std::vector<TableFriend> table = ReadTable(program.Folder());
  ASSERT_EQ(table.size(), 2u);
  EXPECT_TRUE(Wide(table[0].name) == wang);
  EXPECT_TRUE(Wide(table[1].name) == liu);
  HWND list = GetDlgItem(main, main_ids::kFriendList);
  ASSERT_TRUE(WaitUntil([&] { return SendMessageW(list, LVM_GETITEMCOUNT, 0, 0) == 2; }));
  EXPECT_TRUE(ListCell(program.Process(), list, 0, 0) == wang);
  EXPECT_TRUE(ListCell(program.Process(), list, 1, 0) == liu);

  // Both have their birthday today: the page names them by character references.
  const std::wstring pagePath = program.Folder() + L"\\" + Wide("最近生日.html");
  std::string page;
  ASSERT_TRUE(WaitUntil([&] {
    std::ifstream file(pagePath.c_str(), std::ios::binary);
    page.assign(std::istreambuf_iterator<char>(file), {});
    return page.find("&#x4DAE;") != std::string::npos;
  }));
  EXPECT_NE(page.find("王&#x2C317;("), std::string::npos);
  EXPECT_NE(page.find("刘&#x4DAE;("), std::string::npos);
  Sleep(500);  // the list draws its new row
  SaveScreenshot("names-beyond-gbk");
  EXPECT_EQ(program.Close(), 0);
}
