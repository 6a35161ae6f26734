#include "program_windows.h"

#include "ui/window_ids.h"

namespace wine_test {

HWND StartMainWindow(ProgramUnderTest& program, const StartOptions& options) {
  if (!program.Start(options)) return nullptr;
  HWND main = program.WaitForWindow(memo::ui::MainWindowClass);
  if (!main) return nullptr;
  // Today's dates are the set-up's last words in the status bar. The set-up gets as long as
  // the window: on a busy machine either may take a while.
  HWND status = GetDlgItem(main, memo::ui::main_window::Status);
  const std::wstring today = Wide("今天是：");
  bool setUp = WaitUntil(
      [&] {
        return StatusPartText(program.Process(), status, 2).compare(0, today.size(), today) == 0;
      },
      15000);
  return setUp ? main : nullptr;
}

void ClickToolbarButton(ProgramUnderTest& program, HWND main, int index) {
  HWND toolbar = GetDlgItem(main, memo::ui::main_window::Toolbar);
  std::vector<ToolButton> buttons = ToolButtons(program.Process(), toolbar);
  if (index < static_cast<int>(buttons.size())) Click(toolbar, Centre(buttons[index].rect));
}

void ClickTab(ProgramUnderTest& program, HWND tab, int index) {
  Click(tab, Centre(TabItemRect(program.Process(), tab, index)));
}

void ClickControl(HWND control) {
  RECT area;
  GetClientRect(control, &area);
  Click(control, Centre(area));
}

std::pair<int, int> Selection(HWND edit) {
  DWORD selection = static_cast<DWORD>(SendMessageW(edit, EM_GETSEL, 0, 0));
  return {LOWORD(selection), HIWORD(selection)};
}

bool Checked(HWND button) {
  return SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

bool ChooseFromSortMenu(HWND main, HWND list, std::initializer_list<WPARAM> keys) {
  RightClick(list, {300, 250});
  bool shown = WaitUntil([] {
    HWND popup = FindWindowW(L"#32768", nullptr);
    return popup && IsWindowVisible(popup);
  });
  if (!shown) return false;
  Sleep(300);
  for (WPARAM key : keys) {
    PressKey(main, key);
    Sleep(200);
  }
  return true;
}

}  // namespace wine_test
