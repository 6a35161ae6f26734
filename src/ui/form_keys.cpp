// The keys that work a form as they work a dialog, the tab order and the default button.
//
// IsDialogMessageW is not used: for none of these keys does it do what the windows do.
// - Tab: it walks the windows' stacking order, which here is the painter's order (containers
//   below what lies in them), while a design has a tab order of its own.
// - Ctrl+Tab: it leaves the key alone (property sheets turn their pages themselves).
// - Escape: it sends WM_COMMAND with IDCANCEL, 2, from the window of id 2, which the designs
//   give to a control of their own: Escape would read as that control's command.
// - Enter: without a default button (the main window) it sends IDOK and keeps the key from
//   the friend list and the search box, which take Enter themselves; and it presses a button
//   without moving the focus to it first, so that a day half typed into a date box would not
//   be taken in before the button's command reads it.
#include <algorithm>

#include "ui/form.h"
#include "ui/window_binding.h"

namespace memo::ui {
namespace {

// The keyboard is in an open drop-down list: a combo box's, or the list itself.
bool InOpenDropDown(HWND target) {
  wchar_t name[16] = {};
  GetClassNameW(target, name, ARRAYSIZE(name));
  if (lstrcmpiW(name, L"ComboLBox") == 0) return true;
  return lstrcmpiW(name, L"ComboBox") == 0 && SendMessageW(target, CB_GETDROPPEDSTATE, 0, 0);
}

}  // namespace

bool Form::HandleDialogKey(const MSG& message) {
  if (message.message != WM_KEYDOWN) return false;
  Form* form = WindowBinding::ObjectOf<Form>(GetAncestor(message.hwnd, GA_ROOT));
  return form && form->OnDialogKey(message.hwnd, message.wParam);
}

bool Form::OnDialogKey(HWND target, WPARAM key) {
  if (onShortcut && onShortcut(key)) return true;
  switch (key) {
    case VK_TAB:
      ShowFocusCues();
      if (GetKeyState(VK_CONTROL) < 0) {
        TurnPage(GetKeyState(VK_SHIFT) < 0);
      } else {
        FocusNext(GetKeyState(VK_SHIFT) < 0);
      }
      return true;
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
      ShowFocusCues();
      return false;
    case VK_RETURN:
      return !InOpenDropDown(target) && OnEnter();
    case VK_ESCAPE:
      return !InOpenDropDown(target) && OnEscape();
  }
  return false;
}

bool Form::OnEnter() {
  Control* button = FocusedPushButton();
  if (!button) button = PageButton(kDefaultButton);
  if (!button) return false;
  // As a click does, the button takes the focus before it is pressed, so that the control
  // that had it takes in what was typed there (a day half typed into a date box) before the
  // button's command reads it. The press may destroy the form: nothing of it is used after
  // it. Where the window stays open, the focus goes back.
  HWND had = GetFocus();
  HWND pressed = button->Handle();
  SetFocus(pressed);
  Press(*button);
  if (had != pressed && IsWindow(had) && GetFocus() == pressed) SetFocus(had);
  return true;
}

bool Form::OnEscape() {
  if (onEscape && onEscape()) return true;
  if (Control* cancel = PageButton(kCancelButton)) {
    Press(*cancel);
    return true;
  }
  // The main window owns the others and is the program: Escape leaves it open.
  if (!GetWindow(window_, GW_OWNER)) return false;
  Close();
  return true;
}

void Form::TurnPage(bool backwards) {
  for (auto& control : controls_) {
    if (!control || !control->Handle() || RowOf(*control).container != kNoContainer) continue;
    Container* container = control->AsContainer();
    if (!container || !container->TurnPage(backwards)) continue;
    // The focus goes to the page turned to, or to the page control when nothing there takes it.
    if (!FocusFirst()) control->Focus();
    return;
  }
}

std::vector<Control*> Form::TabOrder() {
  std::vector<std::pair<size_t, Control*>> order;
  for (size_t i = 0; i < design_.controlCount; ++i) {
    Control& control = ControlAt(design_.controls[i].id);
    if (!control.TakesFocus() || !control.Handle()) continue;
    int tabOrder = RowOf(control).tabOrder;
    order.push_back({tabOrder == kNoTabOrder ? design_.controlCount + i : tabOrder, &control});
  }
  std::sort(order.begin(), order.end(),
            [](const auto& a, const auto& b) { return a.first < b.first; });
  std::vector<Control*> controls;
  for (const auto& entry : order) controls.push_back(entry.second);
  return controls;
}

void Form::FocusNext(bool backwards) {
  std::vector<Control*> order = TabOrder();
  if (order.empty()) return;
  HWND focus = GetFocus();
  int count = static_cast<int>(order.size()), at = -1;
  for (int i = 0; i < count; ++i) {
    if (order[i]->Handle() == focus || IsChild(order[i]->Handle(), focus)) at = i;
  }
  for (int step = 1; step <= count; ++step) {
    int next = at < 0 ? (backwards ? count - step : step - 1)
                      : ((at + (backwards ? -step : step)) % count + count) % count;
    Control* control = order[next];
    if (IsWindowVisible(control->Handle()) && control->Enabled()) {
      control->Focus();
      return;
    }
  }
}

bool Form::FocusFirst() {
  for (Control* control : TabOrder()) {
    if (IsWindowVisible(control->Handle()) && control->Enabled()) {
      control->Focus();
      return true;
    }
  }
  return false;
}

Control* Form::PageButton(DesignFlag role) {
  for (auto& control : controls_) {
    if (control && control->Handle() && RowOf(*control).type == ControlType::kButton &&
        (RowOf(*control).flags & role) && IsWindowVisible(control->Handle()) &&
        control->Enabled()) {
      return control.get();
    }
  }
  return nullptr;
}

Control* Form::FocusedPushButton() {
  Control* focused = ControlOfWindow(GetFocus());
  return focused && RowOf(*focused).type == ControlType::kButton && focused->Enabled() ? focused
                                                                                       : nullptr;
}

// As a click does: the button's own command, without moving the focus.
void Form::Press(const Control& button) {
  SendMessageW(window_, WM_COMMAND, MAKEWPARAM(RowOf(button).id, BN_CLICKED),
               reinterpret_cast<LPARAM>(button.Handle()));
}

void Form::ShowFocusCues() {
  SendMessageW(window_, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
}

void Form::MarkDefaultButton(const Control* focused) {
  if (focused && RowOf(*focused).type != ControlType::kButton) focused = nullptr;
  for (auto& control : controls_) {
    if (!control || !control->Handle() || RowOf(*control).type != ControlType::kButton) continue;
    const bool marked =
        focused ? control.get() == focused : (RowOf(*control).flags & kDefaultButton) != 0;
    SendMessageW(control->Handle(), BM_SETSTYLE, marked ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
  }
}

int RunMessageLoop() {
  MSG message = {};
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (Form::HandleDialogKey(message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}

}  // namespace memo::ui
