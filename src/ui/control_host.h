// What a control asks of the window it lies in: the parent of its window, the DPI it is drawn
// at, and the window's part in showing it, painting behind it and marking the default button.
#pragma once

#include <windows.h>

#include "ui/dpi.h"

namespace memo::ui {

class Control;

class ControlHost {
 public:
  virtual HWND Handle() const = 0;
  virtual const Dpi& CurrentDpi() const = 0;
  // Shows and hides the controls after a control's wish or a page changed.
  virtual void UpdateVisibility() = 0;
  // The colour behind a control: its page's body, or the window's own face colour.
  virtual HBRUSH BackgroundBrush(const Control& control) = 0;
  // Draws the push button with the focus as the default one, or with none (nullptr) the
  // page's 确定, so that the look tells what Enter presses.
  virtual void MarkDefaultButton(const Control* focused) = 0;

 protected:
  ~ControlHost() = default;
};

}  // namespace memo::ui
