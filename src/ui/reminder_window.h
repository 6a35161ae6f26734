// The reminder window: the alerts due, one a row, near the tray and above the other windows,
// opened without taking the keyboard from the window the user types in. It stays until the
// user acts; alerts falling due meanwhile join it. Its buttons act on the selected rows, or on
// every row when none is selected; 复制祝福语 on the row with the focus mark, or the first.
#pragma once

#include <windows.h>

#include <functional>
#include <vector>

#include "ui/form.h"
#include "ui/list_view.h"

namespace memo::ui {

class ReminderWindow {
 public:
  enum class Action { kCopyGreeting, kSnooze, kGreeted, kDone };

  ReminderWindow();

  // Opens the window with these rows, or adds them to the open one. It has no owner, so that
  // no window of the program covers it, and goes only with Close().
  void Show(std::vector<ListRow> rows);
  void Close();
  // Takes rows away once acted on; the window closes with its last row.
  void Remove(const std::vector<int64_t>& ids);

  // An action on these rows' ids; for kSnooze, the SnoozeChoice's number chosen in its menu.
  std::function<void(Action action, int snoozeChoice, const std::vector<int64_t>& ids)> onAction;
  // The window went with rows left: closed by its close box, or with the program.
  std::function<void()> onClosed;

 private:
  void Act(Action action);
  // The rows an action is on.
  std::vector<int64_t> ChosenIds();
  ListView& Alerts();

  Form form_;
  std::vector<int64_t> ids_;  // every row's, in order
};

}  // namespace memo::ui
