#include "program_windows.h"

#include "remote_controls.h"
#include "window_basics.h"

namespace wine_test {
namespace {

constexpr int kOpenTimeoutMs = 5000;

}  // namespace

void ClickToolbarButton(ProgramUnderTest& program, HWND main, ToolbarButton button) {
  HWND toolbar = GetDlgItem(main, memo::ui::main_window::kToolbar);
  std::vector<ToolButton> buttons = ToolButtons(program.Process(), toolbar);
  size_t index = static_cast<size_t>(button);
  if (index < buttons.size()) Click(toolbar, Centre(buttons[index].rect));
}

HWND OpenFromToolbar(ProgramUnderTest& program, HWND main, ToolbarButton button,
                     const wchar_t* className) {
  ClickToolbarButton(program, main, button);
  return program.WaitForWindow(className, kOpenTimeoutMs);
}

void ClickTab(ProgramUnderTest& program, HWND tab, int index) {
  Click(tab, Centre(TabItemRect(program.Process(), tab, index)));
}

void ClickControl(HWND control) {
  RECT area;
  GetClientRect(control, &area);
  Click(control, Centre(area));
}

std::wstring MessageBoxText(HWND box) {
  std::wstring text;
  for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (ClassName(child) == L"Static" && !WindowText(child).empty()) text = WindowText(child);
  }
  return text;
}

std::pair<int, int> Selection(HWND edit) {
  DWORD selection = static_cast<DWORD>(SendMessageW(edit, EM_GETSEL, 0, 0));
  return {LOWORD(selection), HIWORD(selection)};
}

bool Checked(HWND button) {
  return SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

bool PopUpSortMenu(HWND list) {
  // Below the rows of the sample friends: a right click on a row would make it current.
  RightClick(list, {300, 250});
  bool shown = WaitUntil([] {
    HWND popup = FindWindowW(L"#32768", nullptr);
    return popup && IsWindowVisible(popup);
  });
  // A menu just shown does not take keys yet.
  Sleep(400);
  // The commands on friends come first: the highlight goes to the last of them, so that the
  // next Down reaches 排序方式.
  if (shown) TypeMenuKeys(GetAncestor(list, GA_ROOT), {VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN});
  return shown;
}

void TypeMenuKeys(HWND main, std::initializer_list<WPARAM> keys) {
  for (WPARAM key : keys) {
    PressKey(main, key);
    Sleep(250);
  }
}

bool ChooseFromSortMenu(HWND main, HWND list, std::initializer_list<WPARAM> keys) {
  if (!PopUpSortMenu(list)) return false;
  TypeMenuKeys(main, keys);
  return true;
}

std::wstring ClipboardText() {
  std::wstring text;
  if (!OpenClipboard(nullptr)) return text;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
      text = chars;
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

}  // namespace wine_test
