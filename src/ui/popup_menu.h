// A menu tree from its design shown as a pop-up menu. The top item (level 0) is hidden: the
// pop-up starts with its sub-items.
#pragma once

#include <windows.h>

#include <cstddef>
#include <functional>

#include "ui/design.h"

namespace memo::ui {

// Leaves whose code it refuses are greyed, or that it accepts are checked.
using MenuCodeFilter = std::function<bool(int code)>;

// Shows the menu at the mouse position, or at `at` (screen coordinates) when given; gives the
// code of the chosen leaf, or kNoMenuCode.
int ShowPopupMenu(HWND owner, const MenuItemDesign* items, size_t count,
                  const MenuCodeFilter& enabled = nullptr, const MenuCodeFilter& checked = nullptr,
                  const POINT* at = nullptr);

}  // namespace memo::ui
