#include "ui/popup_menu.h"

#include <vector>

#include "text/win32/wide_text.h"

namespace memo::ui {
namespace {

// Leaves carry their index in the design plus this as their command id (never 0).
constexpr UINT kFirstLeafId = 1;

}  // namespace

int ShowPopupMenu(HWND owner, const MenuItemDesign* items, size_t count,
                  const MenuCodeFilter& enabled, const MenuCodeFilter& checked, const POINT* at) {
  // The open menu of each level; level 0 is the hidden top item, whose sub-items form the pop-up.
  std::vector<HMENU> levels(1, CreatePopupMenu());
  for (size_t i = 1; i < count; ++i) {
    const int level = items[i].level;
    if (level < 1 || level > static_cast<int>(levels.size())) continue;
    levels.resize(level);
    if (!items[i].caption) {
      AppendMenuW(levels[level - 1], MF_SEPARATOR, 0, nullptr);
      continue;
    }
    const bool hasSubItems = i + 1 < count && items[i + 1].level > level;
    std::wstring caption = Wide(items[i].caption);
    if (hasSubItems) {
      HMENU sub = CreatePopupMenu();
      AppendMenuW(levels[level - 1], MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(sub),
                  caption.c_str());
      levels.push_back(sub);
      continue;
    }
    const UINT id = kFirstLeafId + i;
    const bool greyed = enabled && !enabled(items[i].code);
    const bool ticked = checked && checked(items[i].code);
    AppendMenuW(levels[level - 1], MF_STRING | (greyed ? MF_GRAYED : 0) | (ticked ? MF_CHECKED : 0),
                id, caption.c_str());
    if (items[i].flags & kDefaultMenuItem) SetMenuDefaultItem(levels[level - 1], id, FALSE);
  }
  POINT where;
  if (at) {
    where = *at;
  } else {
    GetCursorPos(&where);
  }
  // A menu closes at a click elsewhere only while its owner is the foreground window, which
  // a window hidden in the tray is not. The message posted after it is the system's own
  // advice: without it the next menu of a tray icon may close as soon as it opens.
  SetForegroundWindow(owner);
  UINT chosen = TrackPopupMenu(levels[0], TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, where.x,
                               where.y, 0, owner, nullptr);
  PostMessageW(owner, WM_NULL, 0, 0);
  DestroyMenu(levels[0]);  // with its sub-menus
  if (chosen < kFirstLeafId || chosen - kFirstLeafId >= count) return kNoMenuCode;
  return items[chosen - kFirstLeafId].code;
}

}  // namespace memo::ui
