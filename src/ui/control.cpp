#include "ui/control.h"

#include <vector>

#include "text/win32/wide_text.h"
#include "ui/window_binding.h"

namespace memo::ui {

std::string Control::Text() const {
  int length = GetWindowTextLengthW(window_);
  std::vector<wchar_t> buffer(length + 1);
  GetWindowTextW(window_, buffer.data(), length + 1);
  return Gb18030(buffer.data());
}

void Control::SetText(const std::string& text) {
  SetWindowTextW(window_, Wide(text).c_str());
}

void Control::SetVisible(bool visible) {
  wantsVisible_ = visible;
  if (host_) host_->UpdateVisibility();
}

void Control::SetEnabled(bool enabled) {
  EnableWindow(window_, enabled);
}

bool Control::Enabled() const {
  return IsWindowEnabled(window_) != FALSE;
}

void Control::Focus() {
  SetFocus(window_);
}

bool Control::CreateChild(const CreateArgs& args, const wchar_t* className, DWORD style,
                          DWORD extendedStyle) {
  // Placed, sized and shown by the host once every control exists.
  HWND window = CreateWindowExW(extendedStyle, className, Wide(args.text).c_str(), WS_CHILD | style,
                                0, 0, 0, 0, args.host->Handle(),
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(args.id)),
                                GetModuleHandleW(nullptr), nullptr);
  if (!Adopt(args, window)) return false;
  WindowBinding::Hook(window_, this);
  return true;
}

bool Control::Adopt(const CreateArgs& args, HWND window) {
  host_ = args.host;
  id_ = args.id;
  window_ = window;
  wantsVisible_ = !args.hidden;
  if (!window_) return false;
  // Overlapping siblings paint in the host's stacking order.
  SetWindowLongPtrW(window_, GWL_STYLE, GetWindowLongPtrW(window_, GWL_STYLE) | WS_CLIPSIBLINGS);
  if (args.disabled) EnableWindow(window_, FALSE);
  return true;
}

LRESULT Control::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (DropsMessage(message, wParam)) return 0;
  LRESULT result = DefSubclassProc(window, message, wParam, lParam);
  // The default handling may have closed the window (a click on 取消) and with it the control.
  if (!IsWindow(window)) return result;
  const std::function<void()>* event = nullptr;
  switch (message) {
    case WM_SETFOCUS:
      event = &onFocus;
      break;
    case WM_LBUTTONDOWN:
      event = &onLeftButtonDown;
      break;
    case WM_LBUTTONUP:
      event = &onLeftButtonUp;
      break;
  }
  if (event && *event) (*event)();
  if (message == WM_CONTEXTMENU && onContextMenu) onContextMenu(lParam == -1);
  return result;
}

bool Label::Create(const CreateArgs& args) {
  return CreateChild(args, L"STATIC", SS_LEFT | SS_NOPREFIX);
}

bool GroupBox::Create(const CreateArgs& args) {
  return CreateChild(args, L"BUTTON", BS_GROUPBOX);
}

bool GroupBox::DropsMessage(UINT message, WPARAM) {
  if (message == WM_PAINT) {
    RECT inside;
    GetClientRect(window_, &inside);
    HDC target = GetDC(window_);
    FillRect(target, &inside, host_->BackgroundBrush(*this));
    ReleaseDC(window_, target);
  }
  return false;
}

bool Button::Create(const ButtonArgs& args) {
  return CreateChild(args, L"BUTTON",
                     WS_TABSTOP | (args.isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON));
}

void Button::OnCommand(int, int code) {
  if (code == BN_CLICKED && onClick) onClick();
}

bool Button::DropsMessage(UINT message, WPARAM) {
  if (message == WM_SETFOCUS) host_->MarkDefaultButton(this);
  if (message == WM_KILLFOCUS) host_->MarkDefaultButton(nullptr);
  return false;
}

bool CheckBox::Create(const CheckBoxArgs& args) {
  if (!CreateChild(args, L"BUTTON", WS_TABSTOP | ButtonStyle())) return false;
  if (args.checked) SetChecked(true);
  return true;
}

bool CheckBox::Checked() const {
  return SendMessageW(window_, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void CheckBox::SetChecked(bool checked) {
  SendMessageW(window_, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool EditBox::Create(const EditBoxArgs& args) {
  DWORD style = WS_TABSTOP;
  style |=
      args.multiLine ? ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL | WS_VSCROLL : ES_AUTOHSCROLL;
  if (args.centred) style |= ES_CENTER;
  if (args.readOnly) style |= ES_READONLY;
  integerInput_ = args.integerInput;
  if (!CreateChild(args, L"EDIT", style, WS_EX_CLIENTEDGE)) return false;
  // Shown also while the box has the focus, as it has when its window opens.
  if (args.hint) {
    SendMessageW(window_, EM_SETCUEBANNER, TRUE, reinterpret_cast<LPARAM>(Wide(args.hint).c_str()));
  }
  return true;
}

void EditBox::SelectAll() {
  SendMessageW(window_, EM_SETSEL, 0, -1);
}

void EditBox::OnCommand(int, int code) {
  if (code == EN_CHANGE && onTextChanged) onTextChanged();
}

bool EditBox::DropsMessage(UINT message, WPARAM wParam) {
  if (message == WM_KEYDOWN && onKeyDown) return onKeyDown(wParam);
  if (message != WM_CHAR || !integerInput_) return false;
  // Control characters (backspace, paste) pass; of the printable ones only digits and '-'.
  wchar_t typed = static_cast<wchar_t>(wParam);
  return typed >= L' ' && !(typed >= L'0' && typed <= L'9') && typed != L'-';
}

void UpDown::SetRange(int minimum, int maximum) {
  minimum_ = minimum;
  maximum_ = maximum;
}

bool UpDown::Create(const CreateArgs& args) {
  if (!CreateChild(args, UPDOWN_CLASSW, 0)) return false;
  SendMessageW(window_, UDM_SETRANGE32, minimum_, maximum_);
  return true;
}

LRESULT UpDown::OnNotify(NMHDR* header) {
  if (header->code != UDN_DELTAPOS) return 0;
  auto* change = reinterpret_cast<NMUPDOWN*>(header);
  if (onStep) onStep(change->iDelta > 0 ? +1 : -1);
  return TRUE;  // the program sets the text; the control's own position stays
}

bool DatePicker::Create(const CreateArgs& args) {
  return CreateChild(args, DATETIMEPICK_CLASSW, WS_TABSTOP | DTS_LONGDATEFORMAT | DTS_UPDOWN);
}

DateTime DatePicker::Value() const {
  SYSTEMTIME time = {};
  if (SendMessageW(window_, DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&time)) != GDT_VALID) {
    return kMinDateTime;
  }
  return MakeDateTime(time.wYear, time.wMonth, time.wDay);
}

void DatePicker::SetValue(DateTime date) {
  SYSTEMTIME time = {};
  time.wYear = static_cast<WORD>(YearOf(date));
  time.wMonth = static_cast<WORD>(MonthOf(date));
  time.wDay = static_cast<WORD>(DayOf(date));
  if (time.wYear < 1601) return;
  SendMessageW(window_, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&time));
}

}  // namespace memo::ui
