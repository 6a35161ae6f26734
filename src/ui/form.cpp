#include "ui/form.h"

#include <algorithm>

#include "resource_ids.h"
#include "text/win32/wide_text.h"
#include "ui/control_factory.h"
#include "ui/window_binding.h"
#include "ui/window_failure.h"

namespace memo::ui {

Form::Form(const WindowDesign& design) : design_(design) {
  int highest = 0;
  for (size_t i = 0; i < design.controlCount; ++i)
    highest = std::max(highest, design.controls[i].id);
  controls_.resize(highest + 1);
  rows_.resize(highest + 1);
  makers_.resize(highest + 1);
  for (size_t i = 0; i < design.controlCount; ++i) {
    const ControlDesign& row = design.controls[i];
    DesignedControl made = MakeControl(row);
    controls_[row.id] = std::move(made.control);
    rows_[row.id] = &row;
    makers_[row.id] = std::move(made.create);
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

bool Form::RegisterWindowClass() {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW windowClass = {};
  if (GetClassInfoExW(instance, design_.className, &windowClass)) return true;
  windowClass.cbSize = sizeof(windowClass);
  windowClass.lpfnWndProc = WindowBinding::OwnClassProc<Form>;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_PROGRAM));
  windowClass.lpszClassName = design_.className;
  return RegisterClassExW(&windowClass) != 0;
}

bool Form::Open(HWND owner, bool shown) {
  if (!RegisterWindowClass()) {
    ReportWindowFailure(owner, design_.caption, "RegisterClassExW");
    return false;
  }
  DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
  if (design_.minimizeBox) style |= WS_MINIMIZEBOX;
  controlFailed_ = false;
  CreateWindowExW(0, design_.className, Wide(design_.caption).c_str(), style, CW_USEDEFAULT,
                  CW_USEDEFAULT, 0, 0, owner, nullptr, GetModuleHandleW(nullptr), this);
  if (!window_) {
    // Its owner may delete the form once the report has run the message loop, so nothing of
    // it is used after.
    ReportWindowFailure(owner, design_.caption, "CreateWindowExW");
    return false;
  }
  if (controlFailed_) {
    // Reported as it failed; the window goes as any window goes, its events and all.
    Close();
    return false;
  }
  if (onCreated) onCreated();
  if (!window_) return false;
  // Focus marks hidden until the keyboard is used, when the last input came from the mouse.
  SendMessageW(window_, WM_CHANGEUISTATE, MAKEWPARAM(UIS_INITIALIZE, 0), 0);
  if (!shown) return true;
  ShowWindow(window_, SW_SHOW);
  FocusFirst();
  return true;
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
  LRESULT result = 0;
  if (HandleOwnMessage(message, wParam, lParam, result)) return result;
  return DefWindowProcW(window, message, wParam, lParam);
}

bool Form::HandleOwnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (message) {
    case WM_CREATE:
      OnCreate();
      return true;
    case WM_COMMAND:
      if (Control* control = ControlOfWindow(reinterpret_cast<HWND>(lParam))) {
        control->OnCommand(LOWORD(wParam), HIWORD(wParam));
      }
      return true;
    case WM_NOTIFY:
      result = OnNotify(reinterpret_cast<NMHDR*>(lParam));
      return true;
    case WM_LBUTTONDOWN:
      if (onLeftButtonDown) onLeftButtonDown();
      return true;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
      return OnControlColour(reinterpret_cast<HWND>(lParam), reinterpret_cast<HDC>(wParam), result);
    case WM_ERASEBKGND:
      PaintBackground(reinterpret_cast<HDC>(wParam));
      result = 1;
      return true;
    case WM_PRINTCLIENT:
      PaintBackground(reinterpret_cast<HDC>(wParam));
      return true;
    case WM_THEMECHANGED:
    case WM_SYSCOLORCHANGE:
      SampleBodyColours();
      InvalidateRect(window_, nullptr, TRUE);
      return false;
    case WM_ACTIVATE:
      return OnActivate(wParam);
    case WM_CLOSE:
      Close();
      return true;
    case WM_DESTROY:
      if (modalOwner_) EnableWindow(modalOwner_, TRUE);
      if (onDestroying) onDestroying();
      return true;
    case WM_NCDESTROY:
      OnNcDestroy();
      return false;
    case WM_DPICHANGED:
      OnDpiChanged(wParam, *reinterpret_cast<const RECT*>(lParam));
      return true;
  }
  return false;
}

void Form::OnCreate() {
  dpi_ = DpiOfWindow(window_);
  PlaceCentred();
  for (size_t id = 0; id < makers_.size(); ++id) {
    if (!makers_[id] || makers_[id](*this)) continue;
    controlFailed_ = true;
    ReportWindowFailure(GetWindow(window_, GW_OWNER), design_.caption,
                        "the window of control " + std::to_string(id));
    return;
  }
  ApplyFont();
  Layout();
  Restack();
  SampleBodyColours();
  UpdateVisibility();
}

void Form::PlaceCentred() {
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
}

LRESULT Form::OnNotify(NMHDR* header) {
  for (auto& control : controls_) {
    if (control && control->Handle() && control->OwnsNotifier(header->hwndFrom)) {
      return control->OnNotify(header);
    }
  }
  return 0;
}

bool Form::OnControlColour(HWND window, HDC target, LRESULT& brush) {
  // Texts and boxes on a page take the page's colour, elsewhere the window's.
  Control* control = ControlOfWindow(window);
  if (!control || RowOf(*control).type == ControlType::kEditBox) return false;
  HBRUSH background = BackgroundBrush(*control);
  LOGBRUSH colour;
  GetObjectW(background, sizeof(colour), &colour);
  SetBkColor(target, colour.lbColor);
  brush = reinterpret_cast<LRESULT>(background);
  return true;
}

bool Form::OnActivate(WPARAM state) {
  // As in dialogs, the control that had the focus has it again when the window comes back
  // (after a window it owns, a message box, another program), so that the keys go on working
  // where they worked.
  if (LOWORD(state) == WA_INACTIVE) {
    HWND focus = GetFocus();
    if (focus && IsChild(window_, focus)) focusBeforeLeaving_ = focus;
    return false;
  }
  if (!focusBeforeLeaving_ || !IsWindow(focusBeforeLeaving_) ||
      !IsWindowVisible(focusBeforeLeaving_)) {
    return false;
  }
  SetFocus(focusBeforeLeaving_);
  return true;
}

void Form::OnDpiChanged(WPARAM dpi, const RECT& suggested) {
  dpi_ = Dpi{HIWORD(dpi)};
  SetWindowPos(window_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
               suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
  ApplyFont();
  for (auto& control : controls_) {
    if (control && control->Handle()) control->OnDpiChanged(dpi_);
  }
  Layout();
  SampleBodyColours();
}

void Form::OnNcDestroy() {
  window_ = nullptr;
  // The controls' windows went before the form's.
  for (auto& control : controls_) {
    if (control) control->ForgetWindow();
  }
  std::function<void()> destroyed = onDestroyed;
  if (destroyed) destroyed();
}

Control* Form::ControlOfWindow(HWND window) {
  if (!window) return nullptr;
  for (auto& control : controls_) {
    if (control && control->Handle() == window) return control.get();
  }
  return nullptr;
}

}  // namespace memo::ui
