// 导入… 导出… 备份数据… 恢复备份… in the friend list's and the tray icon's menus, through the
// standard file dialogs: files written in the format the file type chooses, the calendar's
// step, the import's preview and summary, the list reloaded after an import, a backup, and
// the backup restored.
#include <gtest/gtest.h>

#include "birthday_table.h"
#include "program_under_test.h"
#include "program_windows.h"
#include "real_input.h"
#include "remote_controls.h"
#include "test_files.h"
#include "tray_area.h"
#include "ui/window_ids.h"
#include "window_basics.h"

using namespace wine_test;
namespace main_ids = memo::ui::main_window;
namespace step_ids = memo::ui::calendar_export_window;

namespace {

// The controls of the standard open and save dialogs (comdlg32's own ids).
constexpr int kFileTypeBox = 0x470, kFileNameBox = 0x480, kFileNameCombo = 0x47C;

enum class Item { kImport, kExport };

// 排序方式 is the menu's first item; the exchange commands follow the separator.
bool Choose(HWND main, Item item) {
  HWND list = GetDlgItem(main, main_ids::kFriendList);
  switch (item) {
    case Item::kImport:
      return ChooseFromSortMenu(main, list, {VK_DOWN, VK_DOWN, VK_RETURN});
    case Item::kExport:
      return ChooseFromSortMenu(main, list, {VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN});
  }
  return false;
}

// The edit box of the file name, however deep the dialog's template puts it (in Wine's, an
// edit in a combo box in an extended combo box, all with the same id).
HWND FileNameBox(HWND dialog) {
  struct Search {
    HWND found = nullptr;
  } search;
  EnumChildWindows(
      dialog,
      [](HWND child, LPARAM data) {
        const int id = GetDlgCtrlID(child);
        if (ClassName(child) != L"Edit" || (id != kFileNameBox && id != kFileNameCombo)) {
          return TRUE;
        }
        reinterpret_cast<Search*>(data)->found = child;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// Fills in a file dialog as a person does: the type (for a save dialog), then the name, OK.
bool ChooseFile(ProgramUnderTest& program, const std::wstring& path, int type,
                const char* screenshot = nullptr) {
  HWND dialog = program.WaitForWindow(L"#32770", 10000);
  if (!dialog || !WaitUntil([&] { return FileNameBox(dialog) != nullptr; })) return false;
  if (type >= 0) {
    HWND types = GetDlgItem(dialog, kFileTypeBox);
    SendMessageW(types, CB_SETCURSEL, type, 0);
    // A person's choice sends both; dialogs act on either.
    for (WORD notification : {CBN_SELCHANGE, CBN_SELENDOK}) {
      SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(kFileTypeBox, notification),
                   reinterpret_cast<LPARAM>(types));
    }
  }
  SendMessageW(FileNameBox(dialog), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
  if (screenshot) {
    Sleep(300);  // the dialog repaints the box
    SaveScreenshot(screenshot);
  }
  PostMessageW(dialog, WM_COMMAND, IDOK, 0);
  return WaitUntil([&] { return !IsWindow(dialog); });
}

struct Message {
  HWND box = nullptr;
  std::wstring caption, text;
};

// The next message box of the program, with its text.
Message NextMessage(ProgramUnderTest& program) {
  Message message;
  message.box = program.WaitForWindow(L"#32770", 10000);
  if (!message.box) return message;
  message.caption = WindowText(message.box);
  for (HWND child = GetWindow(message.box, GW_CHILD); child;
       child = GetWindow(child, GW_HWNDNEXT)) {
    if (ClassName(child) == L"Static" && !WindowText(child).empty()) {
      message.text = WindowText(child);
    }
  }
  return message;
}

bool Answer(const Message& message, int button) {
  ClickControl(GetDlgItem(message.box, button));
  return WaitUntil([&] { return !IsWindow(message.box); });
}

size_t Count(const std::string& text, const std::string& part) {
  size_t count = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
  return count;
}

}  // namespace

TEST(ExchangeMenu, ExportsInTheChosenFormatImportsWithAPreviewAndBacksUp) {
  ProgramUnderTest program;
  ASSERT_TRUE(StoreFriends(program.Folder(), {{"张三", false, "1980年5月3日", false, "138"},
                                              {"李四", false, "1990年5月12日[闰月]", true, ""},
                                              {"王五", false, "1992年2月29日", false, ""},
                                              {"孙八", false, "2000年4月16日", false, ""}}));
  HWND main = program.StartMainWith(4);
  ASSERT_NE(main, nullptr);
  const std::wstring folder = program.Folder();
  // A menu popped up before the start-up's upcoming pass has shown 孙八 (tomorrow) would
  // close when the pass changes the windows.
  HWND upcoming = GetDlgItem(main, main_ids::kUpcomingList);
  ASSERT_TRUE(WaitUntil([&] { return SendMessageW(upcoming, LVM_GETITEMCOUNT, 0, 0) == 1; }));

  // 导出… as 通讯录: the file type adds the extension; the message tells what was written.
  HWND list = GetDlgItem(main, main_ids::kFriendList);
  ASSERT_TRUE(PopUpSortMenu(list));
  TypeMenuKeys(main, {VK_DOWN, VK_DOWN, VK_DOWN});
  SaveScreenshot("exchange-menu");
  TypeMenuKeys(main, {VK_RETURN});
  const std::wstring exports = folder + L"\\" + Wide("导出");
  ASSERT_TRUE(CreateDirectoryW(exports.c_str(), nullptr));
  ASSERT_TRUE(ChooseFile(program, exports + L"\\" + Wide("好友"), 1, "exchange-save-dialog"));
  Message exported = NextMessage(program);
  EXPECT_TRUE(exported.caption == Wide("导出")) << Utf8(exported.caption);
  EXPECT_TRUE(exported.text == Wide("已导出4张名片。")) << Utf8(exported.text);
  ASSERT_TRUE(Answer(exported, IDOK));
  const std::string cards = FileBytes(exports + L"\\" + Wide("好友.vcf"));
  EXPECT_EQ(Count(cards, "BEGIN:VCARD\r\n"), 4u);
  EXPECT_NE(cards.find("X-ALTBDAY;CALSCALE=chinese:007800070512\r\n"), std::string::npos);

  // 导出… as 日历文件, named without a folder: the dialog starts in the last one chosen. The
  // step asks for the span; two years of events.
  ASSERT_TRUE(Choose(main, Item::kExport));
  ASSERT_TRUE(ChooseFile(program, L"birthdays", 0));
  HWND step = program.WaitForWindow(memo::ui::kCalendarExportWindowClass, 10000);
  ASSERT_NE(step, nullptr);
  EXPECT_TRUE(WindowText(GetDlgItem(step, step_ids::kYears)) == L"21");
  EXPECT_FALSE(Checked(GetDlgItem(step, step_ids::kRules)));
  SendMessageW(GetDlgItem(step, step_ids::kYears), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"2"));
  Sleep(300);
  SaveScreenshot("exchange-calendar-step");
  // Enter presses 确定, as in the other dialogs.
  ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == step; }));
  EXPECT_TRUE(real_input::PressKeys("Return"));
  exported = NextMessage(program);
  EXPECT_TRUE(exported.text == Wide("已导出8个生日事件。")) << Utf8(exported.text);
  ASSERT_TRUE(Answer(exported, IDOK));
  const std::string calendar = FileBytes(exports + L"\\birthdays.ics");
  EXPECT_EQ(Count(calendar, "BEGIN:VEVENT\r\n"), 8u);
  EXPECT_NE(calendar.find("DTSTART;VALUE=DATE:20130228\r\n"), std::string::npos);
  // Alarms at 09:00 the day before and on the day.
  EXPECT_EQ(Count(calendar, "TRIGGER:-PT15H\r\n"), 8u);
  EXPECT_EQ(Count(calendar, "TRIGGER:PT9H\r\n"), 8u);

  // 导入…: a phone's cards, one of them already here, one on a day that is none; the preview,
  // then the summary, and the list and the upcoming list follow.
  WriteFileBytes(folder + L"\\phone.vcf",
                 "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:\xE8\xB5\xB5\xE5\x85\xAD\r\n"  // 赵六
                 "BDAY:1990-04-15\r\nTEL:139\r\nEND:VCARD\r\n"
                 "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:\xE5\xBC\xA0\xE4\xB8\x89\r\n"  // 张三
                 "BDAY:1980-05-03\r\nEND:VCARD\r\n"
                 "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:\xE9\x92\xB1\xE4\xB8\x83\r\n"  // 钱七
                 "BDAY:1990-02-30\r\nEND:VCARD\r\n");
  ASSERT_TRUE(Choose(main, Item::kImport));
  ASSERT_TRUE(ChooseFile(program, folder + L"\\phone.vcf", -1));
  Message preview = NextMessage(program);
  EXPECT_TRUE(preview.caption == Wide("导入"));
  const std::wstring utf8Preview = Wide(
      "将导入1位好友，跳过重复的1位（已有1位，文件中重复0位），不能导入1条。\r\n"
      "文件编码：UTF-8\r\n\r\n"
      "将导入的好友：\r\n赵六  1990年4月15日  公历  139\r\n\r\n"
      "不能导入的条目：\r\n第12行 钱七：生日不是有效日期\r\n\r\n"
      "导入这些好友吗？选“否”改按GB 18030读取。");
  EXPECT_TRUE(preview.text == utf8Preview) << Utf8(preview.text);
  SaveScreenshot("exchange-import-preview");
  // 否 reads the file again as GB 18030, and again as UTF-8.
  ASSERT_TRUE(Answer(preview, IDNO));
  preview = NextMessage(program);
  EXPECT_NE(preview.text.find(Wide("文件编码：GB 18030\r\n")), std::wstring::npos)
      << Utf8(preview.text);
  SaveScreenshot("exchange-import-preview-gb18030");
  ASSERT_TRUE(Answer(preview, IDNO));
  preview = NextMessage(program);
  EXPECT_TRUE(preview.text == utf8Preview) << Utf8(preview.text);
  ASSERT_TRUE(Answer(preview, IDYES));
  Message imported = NextMessage(program);
  EXPECT_TRUE(imported.text ==
              Wide("已导入1位好友，跳过重复的1位（已有1位，文件中重复0位），不能导入1条。"))
      << Utf8(imported.text);
  ASSERT_TRUE(Answer(imported, IDOK));
  EXPECT_EQ(TableNames(folder), (std::vector<std::string>{"张三", "李四", "王五", "孙八", "赵六"}));
  ASSERT_TRUE(WaitUntil([&] { return SendMessageW(list, LVM_GETITEMCOUNT, 0, 0) == 5; }));
  ASSERT_TRUE(WaitUntil([&] { return SendMessageW(upcoming, LVM_GETITEMCOUNT, 0, 0) == 2; }));
  // By days left: 赵六 today before 孙八 tomorrow.
  EXPECT_TRUE(ListCell(program.Process(), upcoming, 0, 0) == Wide("赵六"));
  EXPECT_TRUE(ListCell(program.Process(), upcoming, 1, 0) == Wide("孙八"));
  EXPECT_TRUE(StatusPartText(program.Process(), GetDlgItem(main, main_ids::kStatus), 1) ==
              Wide("当前记录数：5"));

  // 备份数据… from the tray icon's menu, three above its last item 退出: a whole copy of the
  // database.
  ASSERT_TRUE(WaitUntil(TrayShowsIcon));
  RightClickTrayIcon();
  ASSERT_NE(program.WaitForWindow(L"#32768", 3000), nullptr);
  TypeMenuKeys(main, {VK_UP, VK_UP, VK_UP});
  SaveScreenshot("exchange-tray-menu");
  TypeMenuKeys(main, {VK_RETURN});
  ASSERT_TRUE(ChooseFile(program, folder + L"\\copy", 0));
  Message backedUp = NextMessage(program);
  EXPECT_TRUE(backedUp.caption == Wide("备份数据"));
  ASSERT_TRUE(Answer(backedUp, IDOK));
  EXPECT_EQ(FileBytes(folder + L"\\copy.mdb").substr(0, 15), "SQLite format 3");

  // 恢复备份…, after a friend is deleted: the question, the copy's five friends again, and
  // the friends before kept in a copy beside the program.
  SelectListRows(program.Process(), list, {0});
  ClickToolbarButton(program, main, ToolbarButton::kDelete);
  ASSERT_TRUE(Answer(NextMessage(program), IDYES));
  ASSERT_TRUE(WaitUntil([&] { return SendMessageW(list, LVM_GETITEMCOUNT, 0, 0) == 4; }));
  ASSERT_TRUE(
      ChooseFromSortMenu(main, list, {VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN}));
  ASSERT_TRUE(ChooseFile(program, folder + L"\\copy.mdb", -1));
  Message question = NextMessage(program);
  EXPECT_TRUE(question.caption == Wide("恢复备份"));
  ASSERT_TRUE(Answer(question, IDYES));
  Message restored = NextMessage(program);
  EXPECT_EQ(restored.text.find(Wide("已恢复备份里的5位好友。恢复前的好友已备份到")), 0u)
      << Utf8(restored.text);
  SaveScreenshot("exchange-restored");
  ASSERT_TRUE(Answer(restored, IDOK));
  EXPECT_TRUE(WaitUntil([&] { return SendMessageW(list, LVM_GETITEMCOUNT, 0, 0) == 5; }));
  EXPECT_EQ(ReadTable(folder).size(), 5u);
  WIN32_FIND_DATAW found;
  HANDLE safety = FindFirstFileW((folder + L"\\" + Wide("寿辰备忘录恢复前-*.mdb")).c_str(), &found);
  EXPECT_NE(safety, INVALID_HANDLE_VALUE);
  if (safety != INVALID_HANDLE_VALUE) FindClose(safety);
  // The deletion before it can no longer be undone: its friend would come back twice.
  HWND status = GetDlgItem(main, main_ids::kStatus);
  EXPECT_TRUE(WaitUntil([&] { return StatusPartText(program.Process(), status, 0).empty(); }));
  ASSERT_TRUE(real_input::Click(real_input::RowCentre(program.Process(), list, 0)));
  ASSERT_TRUE(real_input::PressKeys("ctrl+z"));
  Sleep(500);
  EXPECT_EQ(ReadTable(folder).size(), 5u);
  EXPECT_EQ(program.Close(), 0);
}

// What a killed restore's safety copy left in the program's folder goes at the next start;
// nothing else there.
TEST(ExchangeMenu, AKilledSafetyCopysLeftoversGoAtTheNextStart) {
  ProgramUnderTest program;
  const std::wstring copy =
      program.Folder() + L"\\" + Wide("寿辰备忘录恢复前-2012-04-15-101010.mdb");
  const std::wstring files[] = {copy + L".part", copy + L".part-journal",
                                program.Folder() + L"\\download.mdb.part"};
  for (const std::wstring& file : files) WriteFileBytes(file, "half a copy");
  HWND main = program.StartMain();
  ASSERT_NE(main, nullptr);
  EXPECT_FALSE(FileExists(files[0]));
  EXPECT_FALSE(FileExists(files[1]));
  EXPECT_TRUE(FileExists(files[2]));
  EXPECT_EQ(program.Close(), 0);
}
