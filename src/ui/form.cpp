#include "ui/form.h"

#include <algorithm>
#include <tuple>

#include "resource_ids.h"
#include "text/win32/wide_text.h"
#include "ui/hosted_controls.h"
#include "ui/list_view.h"
#include "ui/month_calendar.h"
#include "ui/status_bar_control.h"
#include "ui/tab_control.h"
#include "ui/tool_bar.h"
#include "ui/window_binding.h"

namespace memo::ui {
namespace {

// Fonts of the design: normal weight, the GB2312 character set, no particular face;
// characters 12 pixels high, the size the design's text boxes are made for.
constexpr int kFontHeight = 12;
constexpr int kCompactFontHeight = 11;

HFONT MakeFont(int height) {
  LOGFONTW font = {};
  font.lfHeight = -height;
  font.lfWeight = FW_NORMAL;
  font.lfCharSet = GB2312_CHARSET;
  font.lfQuality = CLEARTYPE_QUALITY;
  return CreateFontIndirectW(&font);
}

std::unique_ptr<Control> MakeControl(const ControlDesign& design) {
  switch (design.type) {
    case ControlType::Label:
      return std::make_unique<Label>(design);
    case ControlType::EditBox:
      return std::make_unique<EditBox>(design);
    case ControlType::Button:
      return std::make_unique<Button>(design);
    case ControlType::CheckBox:
      return std::make_unique<CheckBox>(design);
    case ControlType::RadioBox:
      return std::make_unique<RadioBox>(design);
    case ControlType::GroupBox:
      return std::make_unique<GroupBox>(design);
    case ControlType::Tab:
    case ControlType::PageControl:
      return std::make_unique<TabControl>(design);
    case ControlType::ToolBar:
      return std::make_unique<ToolBar>(design);
    case ControlType::StatusBar:
      return std::make_unique<StatusBarControl>(design);
    case ControlType::ListView:
      return std::make_unique<ListView>(design);
    case ControlType::DatePicker:
      return std::make_unique<DatePicker>(design);
    case ControlType::PicBox:
      return std::make_unique<PictureControl>(design);
    case ControlType::HtmlViewer:
      return std::make_unique<ReportViewControl>(design);
    case ControlType::UpDown:
      return std::make_unique<UpDown>(design);
    case ControlType::CnMonthCalendar:
      return std::make_unique<MonthCalendar>(design);
    case ControlType::NonVisual:
      return std::make_unique<NonVisualUnit>(design);
  }
  return nullptr;
}

bool IsContainer(const Control& control) {
  ControlType type = control.Design().type;
  return type == ControlType::GroupBox || type == ControlType::Tab ||
         type == ControlType::PageControl;
}

}  // namespace

Form::Form(const WindowDesign& design) : design_(design) {
  int highest = 0;
  for (size_t i = 0; i < design.controlCount; ++i)
    highest = std::max(highest, design.controls[i].id);
  controls_.resize(highest + 1);
  for (size_t i = 0; i < design.controlCount; ++i) {
    controls_[design.controls[i].id] = MakeControl(design.controls[i]);
  }
}

Form::~Form() {
  if (window_) DestroyWindow(window_);
  if (font_) DeleteObject(font_);
  if (compactFont_) DeleteObject(compactFont_);
  for (auto& entry : brushes_) DeleteObject(entry.second);
}

Control& Form::ControlAt(int id) {
  if (id <= 0 || id >= static_cast<int>(controls_.size()) || !controls_[id]) {
    FatalAppExitW(0, L"A control that the design does not have was asked for.");
  }
  return *controls_[id];
}

HINSTANCE Form::Instance() const {
  return GetModuleHandleW(nullptr);
}

void Form::Open(HWND owner, bool shown) {
  WNDCLASSEXW windowClass = {};
  if (!GetClassInfoExW(Instance(), design_.className, &windowClass)) {
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = WindowBinding::OwnClassProc<Form>;
    windowClass.hInstance = Instance();
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.hIcon = LoadIconW(Instance(), MAKEINTRESOURCEW(IDI_PROGRAM));
    windowClass.lpszClassName = design_.className;
    RegisterClassExW(&windowClass);
  }
  DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
  if (design_.minimizeBox) style |= WS_MINIMIZEBOX;
  CreateWindowExW(0, design_.className, Wide(design_.caption).c_str(), style, CW_USEDEFAULT,
                  CW_USEDEFAULT, 0, 0, owner, nullptr, Instance(), this);
  if (!window_) return;
  if (onCreated) onCreated();
  if (!window_) return;
  // Focus marks hidden until the keyboard is used, when the last input came from the mouse.
  SendMessageW(window_, WM_CHANGEUISTATE, MAKEWPARAM(UIS_INITIALIZE, 0), 0);
  if (!shown) return;
  ShowWindow(window_, SW_SHOW);
  FocusFirst();
}

void Form::OpenModal(HWND owner) {
  modalOwner_ = owner;
  EnableWindow(owner, FALSE);
  Open(owner);
  MSG message;
  while (window_) {
    BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got <= 0) {
      // The program is ending: leave the quit message for the main loop.
      if (got == 0) PostQuitMessage(static_cast<int>(message.wParam));
      break;
    }
    if (HandleDialogKey(message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  if (modalOwner_) {
    EnableWindow(modalOwner_, TRUE);
    modalOwner_ = nullptr;
  }
}

void Form::Close() {
  if (!window_) return;
  // The owner is enabled before the window goes, so that it gets the activation back.
  if (modalOwner_) {
    EnableWindow(modalOwner_, TRUE);
    modalOwner_ = nullptr;
  }
  DestroyWindow(window_);
}

void Form::SetCaption(const std::string& text) {
  SetWindowTextW(window_, Wide(text).c_str());
}

LRESULT Form::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) window_ = window;
  if (onMessage && onMessage(message, wParam, lParam)) return 0;
  switch (message) {
    case WM_CREATE:
      OnCreate();
      return 0;
    case WM_COMMAND:
      if (Control* control = ControlOfWindow(reinterpret_cast<HWND>(lParam))) {
        control->OnCommand(LOWORD(wParam), HIWORD(wParam));
      }
      return 0;
    case WM_NOTIFY: {
      auto* header = reinterpret_cast<NMHDR*>(lParam);
      for (auto& control : controls_) {
        if (control && control->Handle() && control->OwnsNotifier(header->hwndFrom)) {
          return control->OnNotify(header);
        }
      }
      return 0;
    }
    case WM_LBUTTONDOWN:
      if (onLeftButtonDown) onLeftButtonDown();
      return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: {
      // Texts and boxes on a page take the page's colour, elsewhere the window's.
      Control* control = ControlOfWindow(reinterpret_cast<HWND>(lParam));
      if (!control || control->Design().type == ControlType::EditBox) break;
      HBRUSH brush = BackgroundBrush(*control);
      LOGBRUSH colour;
      GetObjectW(brush, sizeof(colour), &colour);
      SetBkColor(reinterpret_cast<HDC>(wParam), colour.lbColor);
      return reinterpret_cast<LRESULT>(brush);
    }
    case WM_ERASEBKGND:
      PaintBackground(reinterpret_cast<HDC>(wParam));
      return 1;
    case WM_PRINTCLIENT:
      PaintBackground(reinterpret_cast<HDC>(wParam));
      return 0;
    case WM_THEMECHANGED:
    case WM_SYSCOLORCHANGE:
      SampleBodyColours();
      InvalidateRect(window_, nullptr, TRUE);
      break;
    case WM_ACTIVATE:
      // As in dialogs, the control that had the focus has it again when the window comes
      // back (after a window it owns, a message box, another program), so that the keys go
      // on working where they worked.
      if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus && IsChild(window_, focus)) focusBeforeLeaving_ = focus;
      } else if (focusBeforeLeaving_ && IsWindow(focusBeforeLeaving_) &&
                 IsWindowVisible(focusBeforeLeaving_)) {
        SetFocus(focusBeforeLeaving_);
        return 0;
      }
      break;
    case WM_CLOSE:
      Close();
      return 0;
    case WM_DESTROY:
      if (modalOwner_) EnableWindow(modalOwner_, TRUE);
      if (onDestroying) onDestroying();
      return 0;
    case WM_NCDESTROY:
      OnNcDestroy();
      return DefWindowProcW(window, message, wParam, lParam);
    case WM_DPICHANGED: {
      dpi_ = Dpi{HIWORD(wParam)};
      const RECT* suggested = reinterpret_cast<RECT*>(lParam);
      SetWindowPos(window_, nullptr, suggested->left, suggested->top,
                   suggested->right - suggested->left, suggested->bottom - suggested->top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
      ApplyFont();
      for (auto& control : controls_) {
        if (control && control->Handle()) control->OnDpiChanged(dpi_);
      }
      Layout();
      SampleBodyColours();
      return 0;
    }
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

void Form::OnCreate() {
  dpi_ = DpiOfWindow(window_);
  // Centred each time it opens, in the work area of its owner's monitor or its own, so that
  // neither its title bar nor the taskbar is covered; the size is the design's outer
  // rectangle at the window's DPI, shrunk where the work area is smaller. A window on no
  // monitor (one that is gone) opens on the primary one.
  HWND owner = GetWindow(window_, GW_OWNER);
  MONITORINFO monitor = {};
  monitor.cbSize = sizeof(monitor);
  GetMonitorInfoW(MonitorFromWindow(owner ? owner : window_, MONITOR_DEFAULTTOPRIMARY), &monitor);
  const RECT& area = monitor.rcWork;
  const int width = std::min<int>(dpi_.Scale(design_.width), area.right - area.left);
  const int height = std::min<int>(dpi_.Scale(design_.height), area.bottom - area.top);
  SetWindowPos(window_, nullptr, area.left + (area.right - area.left - width) / 2,
               area.top + (area.bottom - area.top - height) / 2, width, height,
               SWP_NOZORDER | SWP_NOACTIVATE);
  for (auto& control : controls_) {
    if (control) control->Create(*this);
  }
  ApplyFont();
  Layout();
  Restack();
  SampleBodyColours();
  UpdateVisibility();
}

void Form::SetOuterHeight(int designHeight) {
  RECT frame;
  GetWindowRect(window_, &frame);
  MONITORINFO monitor = {};
  monitor.cbSize = sizeof(monitor);
  GetMonitorInfoW(MonitorFromWindow(window_, MONITOR_DEFAULTTOPRIMARY), &monitor);
  const RECT& area = monitor.rcWork;
  const int height = std::min<int>(dpi_.Scale(designHeight), area.bottom - area.top);
  const int top = std::max<int>(area.top, std::min<int>(frame.top, area.bottom - height));
  SetWindowPos(window_, nullptr, frame.left, top, frame.right - frame.left, height,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::SampleBodyColours() {
  for (auto& control : controls_) {
    if (auto* tab = dynamic_cast<TabControl*>(control.get()); tab && tab->Handle()) {
      tab->SampleBodyColour();
    }
  }
}

HBRUSH Form::BackgroundBrush(const Control& control) {
  COLORREF colour = GetSysColor(COLOR_BTNFACE);
  for (Control* c = ContainerOf(control); c; c = ContainerOf(*c)) {
    if (auto* tab = dynamic_cast<TabControl*>(c)) {
      colour = tab->BodyColour();
      break;
    }
  }
  HBRUSH& brush = brushes_[colour];
  if (!brush) brush = CreateSolidBrush(colour);
  return brush;
}

void Form::PaintBackground(HDC target) {
  RECT area;
  GetClientRect(window_, &area);
  FillRect(target, &area, GetSysColorBrush(COLOR_BTNFACE));
  // Controls drawn over their parent's background (themed check boxes) find the page there.
  for (auto& control : controls_) {
    auto* tab = dynamic_cast<TabControl*>(control.get());
    if (!tab || !tab->Handle() || !IsWindowVisible(tab->Handle())) continue;
    RECT body = tab->BodyRect();
    HBRUSH& brush = brushes_[tab->BodyColour()];
    if (!brush) brush = CreateSolidBrush(tab->BodyColour());
    FillRect(target, &body, brush);
  }
}

void Form::OnNcDestroy() {
  window_ = nullptr;
  // The controls' windows went before the form's.
  for (auto& control : controls_) {
    if (control) control->window_ = nullptr;
  }
  std::function<void()> destroyed = onDestroyed;
  if (destroyed) destroyed();
}

void Form::ApplyFont() {
  HFONT oldFont = font_, oldCompact = compactFont_;
  font_ = MakeFont(dpi_.Scale(kFontHeight));
  compactFont_ = MakeFont(dpi_.Scale(kCompactFontHeight));
  for (auto& control : controls_) {
    if (control && control->Handle()) {
      SendMessageW(control->Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(FontFor(*control)),
                   TRUE);
    }
  }
  if (oldFont) DeleteObject(oldFont);
  if (oldCompact) DeleteObject(oldCompact);
}

HFONT Form::FontFor(const Control& control) const {
  return (control.Design().flags & CompactFont) ? compactFont_ : font_;
}

Control* Form::ControlOfWindow(HWND window) {
  if (!window) return nullptr;
  for (auto& control : controls_) {
    if (control && control->Handle() == window) return control.get();
  }
  return nullptr;
}

Control* Form::ContainerOf(const Control& control) {
  int container = control.Design().container;
  return container == kNoContainer ? nullptr : &ControlAt(container);
}

int Form::Depth(const Control& control) {
  int depth = 0;
  for (Control* c = ContainerOf(control); c; c = ContainerOf(*c)) ++depth;
  return depth;
}

void Form::Layout() {
  RECT frame;
  GetWindowRect(window_, &frame);
  const int shortfall = std::max<int>(0, dpi_.Scale(design_.height) - (frame.bottom - frame.top));
  for (auto& control : controls_) {
    if (!control || !control->Handle()) continue;
    // The design place is relative to the container; pages share the container's rectangle.
    int left = control->Design().rect.left, top = control->Design().rect.top;
    for (Control* c = ContainerOf(*control); c; c = ContainerOf(*c)) {
      left += c->Design().rect.left;
      top += c->Design().rect.top;
    }
    const DesignRect& rect = control->Design().rect;
    int x = dpi_.Scale(left), y = dpi_.Scale(top);
    int height = dpi_.Scale(top + rect.height) - y;
    if (control->Design().flags & FollowsBottom) y -= shortfall;
    if (control->Design().flags & GivesWayToBottom) height -= shortfall;
    SetWindowPos(control->Handle(), nullptr, x, y, dpi_.Scale(left + rect.width) - x, height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

void Form::Restack() {
  // Painter's order: shallower first, containers before their siblings, then table order.
  std::vector<std::pair<std::tuple<int, int, size_t>, HWND>> order;
  for (size_t i = 0; i < design_.controlCount; ++i) {
    Control& control = ControlAt(design_.controls[i].id);
    if (!control.Handle()) continue;
    order.push_back({{Depth(control), IsContainer(control) ? 0 : 1, i}, control.Handle()});
  }
  std::sort(order.begin(), order.end());
  for (const auto& entry : order) {
    SetWindowPos(entry.second, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
}

bool Form::PageShown(const Control& control) {
  const Control* inner = &control;
  for (Control* c = ContainerOf(control); c; inner = c, c = ContainerOf(*c)) {
    if (!c->WantsVisible()) return false;
    if (auto* pages = dynamic_cast<TabControl*>(c)) {
      if (pages->CurrentPage() != inner->Design().page) return false;
    }
  }
  return true;
}

void Form::UpdateVisibility() {
  if (!window_) return;
  for (auto& control : controls_) {
    if (!control || !control->Handle()) continue;
    bool visible = control->WantsVisible() && PageShown(*control);
    ShowWindow(control->Handle(), visible ? SW_SHOWNA : SW_HIDE);
  }
}

std::vector<Control*> Form::TabOrder() {
  std::vector<std::pair<size_t, Control*>> order;
  for (size_t i = 0; i < design_.controlCount; ++i) {
    Control& control = ControlAt(design_.controls[i].id);
    if (!control.TakesFocus() || !control.Handle()) continue;
    int tabOrder = control.Design().tabOrder;
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

bool Form::HandleDialogKey(const MSG& message) {
  if (message.message != WM_KEYDOWN) return false;
  Form* form = WindowBinding::ObjectOf<Form>(GetAncestor(message.hwnd, GA_ROOT));
  return form && form->OnDialogKey(message.hwnd, message.wParam);
}

namespace {

// The keyboard is in an open drop-down list: a combo box's, or the list itself.
bool InOpenDropDown(HWND target) {
  wchar_t name[16] = {};
  GetClassNameW(target, name, ARRAYSIZE(name));
  if (lstrcmpiW(name, L"ComboLBox") == 0) return true;
  return lstrcmpiW(name, L"ComboBox") == 0 && SendMessageW(target, CB_GETDROPPEDSTATE, 0, 0);
}

}  // namespace

bool Form::OnDialogKey(HWND target, WPARAM key) {
  if (onShortcut && onShortcut(key)) return true;
  const bool shift = GetKeyState(VK_SHIFT) < 0;
  switch (key) {
    case VK_TAB:
      ShowFocusCues();
      if (GetKeyState(VK_CONTROL) < 0) {
        TurnPage(shift);
      } else {
        FocusNext(shift);
      }
      return true;
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
      ShowFocusCues();
      return false;
    case VK_RETURN: {
      if (InOpenDropDown(target)) return false;
      Control* button = FocusedPushButton();
      if (!button) button = PageButton(DefaultButton);
      if (!button) return false;
      // As a click does, the button takes the focus before it is pressed, so that the control
      // that had it takes in what was typed there (a day half typed into a date box) before
      // the button's command reads it. The press may destroy the form: nothing of it is used
      // after it. Where the window stays open, the focus goes back.
      HWND had = GetFocus();
      HWND pressed = button->Handle();
      SetFocus(pressed);
      Press(*button);
      if (had != pressed && IsWindow(had) && GetFocus() == pressed) SetFocus(had);
      return true;
    }
    case VK_ESCAPE:
      if (InOpenDropDown(target)) return false;
      if (onEscape && onEscape()) return true;
      if (Control* cancel = PageButton(CancelButton)) {
        Press(*cancel);
        return true;
      }
      // The main window owns the others and is the program: Escape leaves it open.
      if (!GetWindow(window_, GW_OWNER)) return false;
      Close();
      return true;
  }
  return false;
}

void Form::TurnPage(bool backwards) {
  for (auto& control : controls_) {
    auto* pages = dynamic_cast<TabControl*>(control.get());
    if (!pages || !pages->Handle() || pages->Design().container != kNoContainer) continue;
    const int count = pages->PageCount();
    if (count == 0) return;
    pages->ShowPage((pages->CurrentPage() + (backwards ? count - 1 : 1)) % count);
    // The focus goes to the page turned to, or to the page control when nothing there takes it.
    if (!FocusFirst()) pages->Focus();
    return;
  }
}

Control* Form::PageButton(DesignFlag role) {
  for (auto& control : controls_) {
    if (control && control->Handle() && control->Design().type == ControlType::Button &&
        (control->Design().flags & role) && IsWindowVisible(control->Handle()) &&
        control->Enabled()) {
      return control.get();
    }
  }
  return nullptr;
}

Control* Form::FocusedPushButton() {
  Control* focused = ControlOfWindow(GetFocus());
  return focused && focused->Design().type == ControlType::Button && focused->Enabled() ? focused
                                                                                        : nullptr;
}

// As a click does: the button's own command, without moving the focus.
void Form::Press(const Control& button) {
  SendMessageW(window_, WM_COMMAND, MAKEWPARAM(button.Design().id, BN_CLICKED),
               reinterpret_cast<LPARAM>(button.Handle()));
}

void Form::ShowFocusCues() {
  SendMessageW(window_, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
}

void Form::MarkDefaultButton(const Control* focused) {
  if (focused && focused->Design().type != ControlType::Button) focused = nullptr;
  for (auto& control : controls_) {
    if (!control || !control->Handle() || control->Design().type != ControlType::Button) continue;
    const bool marked =
        focused ? control.get() == focused : (control->Design().flags & DefaultButton) != 0;
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
