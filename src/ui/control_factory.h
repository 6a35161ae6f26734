// The controls of a design table's rows: each of the type its row names, and the making of its
// window with the creation arguments the row gives.
#pragma once

#include <functional>
#include <memory>

#include "ui/control.h"
#include "ui/design.h"

namespace memo::ui {

struct DesignedControl {
  std::unique_ptr<Control> control;
  // Makes the control's window in the host; false when it could not be made.
  std::function<bool(ControlHost& host)> create;
};

DesignedControl MakeControl(const ControlDesign& design);

}  // namespace memo::ui
