#include "ui/reminder_window.h"

#include <algorithm>

#include "ui/popup_menu.h"
#include "ui/window_ids.h"

namespace memo::ui {
namespace {

using namespace reminder_window;
using Type = ControlType;

// clang-format off
const ControlDesign kControls[] = {
  // id           type             text           left top  width height
  {kAlerts,       Type::kListView, "",            {8,   8,   584, 150}},
  {kCopyGreeting, Type::kButton,   "复制祝福语",  {8,   168, 104, 26}},
  {kSnooze,       Type::kButton,   "稍后提醒",    {120, 168, 104, 26}},
  {kGreeted,      Type::kButton,   "已祝福",      {232, 168, 104, 26}},
  {kDone,         Type::kButton,   "关闭",        {488, 168, 104, 26}},
};

const ColumnDesign kColumns[] = {
  {"姓名", 80}, {"生日", 140}, {"年龄", 100}, {"倒计时", 70}, {"联系方式", 90}, {"提醒", 100},
};

// Under the hidden top item, in the order of SnoozeChoice.
const MenuItemDesign kSnoozeMenu[] = {
  {0, "稍后提醒", kNoMenuCode},
  {1, "10分钟", 0}, {1, "1小时", 1}, {1, "今晚20:00", 2}, {1, "明天09:00", 3},
};
// clang-format on

const WindowDesign kWindow = {kReminderWindowClass,
                              "生日提醒",
                              608,
                              236,
                              false,
                              kControls,
                              sizeof(kControls) / sizeof(kControls[0])};

// Away from the work area's edges, as notifications keep.
constexpr int kTrayMargin = 12;

}  // namespace

ReminderWindow::ReminderWindow() : form_(kWindow) {
  Alerts().SetColumns(kColumns, std::size(kColumns));
  form_.Get<Button>(kCopyGreeting).onClick = [this] { Act(Action::kCopyGreeting); };
  form_.Get<Button>(kSnooze).onClick = [this] { Act(Action::kSnooze); };
  form_.Get<Button>(kGreeted).onClick = [this] { Act(Action::kGreeted); };
  form_.Get<Button>(kDone).onClick = [this] { Act(Action::kDone); };
  form_.onDestroying = [this] {
    if (!ids_.empty() && onClosed) onClosed();
    ids_.clear();
    Alerts().SetRows({});
  };
}

ListView& ReminderWindow::Alerts() {
  return form_.Get<ListView>(kAlerts);
}

void ReminderWindow::Show(std::vector<ListRow> rows) {
  for (ListRow& row : rows) {
    ids_.push_back(row.id);
    Alerts().PutRow(row.id, std::move(row));
  }
  if (form_.Handle()) return;
  if (!form_.Open(nullptr, false)) return;
  RECT work{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  RECT frame{};
  GetWindowRect(form_.Handle(), &frame);
  SetWindowPos(form_.Handle(), HWND_TOPMOST, work.right - (frame.right - frame.left) - kTrayMargin,
               work.bottom - (frame.bottom - frame.top) - kTrayMargin, 0, 0,
               SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

void ReminderWindow::Close() {
  form_.Close();
}

void ReminderWindow::Remove(const std::vector<int64_t>& ids) {
  Alerts().RemoveRows(ids);
  for (int64_t id : ids) ids_.erase(std::remove(ids_.begin(), ids_.end(), id), ids_.end());
  if (ids_.empty()) form_.Close();
}

std::vector<int64_t> ReminderWindow::ChosenIds() {
  std::vector<int64_t> chosen = Alerts().SelectedIds();
  return chosen.empty() ? ids_ : chosen;
}

void ReminderWindow::Act(Action action) {
  if (ids_.empty() || !onAction) return;
  if (action == Action::kCopyGreeting) {
    const int64_t current = Alerts().CurrentId();
    onAction(action, 0, {current ? current : ChosenIds().front()});
    return;
  }
  int choice = 0;
  if (action == Action::kSnooze) {
    RECT button{};
    GetWindowRect(form_.Get<Button>(kSnooze).Handle(), &button);
    const POINT below{button.left, button.bottom};
    // A menu of a window in the background would not close at a click elsewhere.
    SetForegroundWindow(form_.Handle());
    choice = ShowPopupMenu(form_.Handle(), kSnoozeMenu, std::size(kSnoozeMenu), nullptr, nullptr,
                           &below);
    if (choice == kNoMenuCode) return;
  }
  onAction(action, choice, ChosenIds());
}

}  // namespace memo::ui
