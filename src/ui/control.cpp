#include "ui/control.h"

#include <vector>

#include "text/win32/wide_text.h"
#include "ui/form.h"
#include "ui/window_binding.h"

namespace memo::ui {

std::string Control::Text() const {
  int length = GetWindowTextLengthW(window_);
  std::vector<wchar_t> buffer(length + 1);
  GetWindowTextW(window_, buffer.data(), length + 1);
  return Gbk(buffer.data());
}

void Control::SetText(const std::string& text) {
  SetWindowTextW(window_, Wide(text).c_str());
}

void Control::SetVisible(bool visible) {
  wantsVisible_ = visible;
  if (form_) form_->UpdateVisibility();
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

HWND Control::CreateChild(Form& form, const wchar_t* className, DWORD style, DWORD extendedStyle) {
  // Placed, sized and shown by the form once every control exists. A hint is no content.
  const char* text = design_.text && !(design_.flags & HintText) ? design_.text : "";
  Adopt(form,
        CreateWindowExW(extendedStyle, className, Wide(text).c_str(), WS_CHILD | style, 0, 0, 0, 0,
                        form.Handle(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(design_.id)),
                        form.Instance(), nullptr));
  if (window_) WindowBinding::Hook(window_, this);
  return window_;
}

void Control::Adopt(Form& form, HWND window) {
  form_ = &form;
  window_ = window;
  wantsVisible_ = !(design_.flags & Hidden);
  if (!window_) return;
  // Overlapping siblings paint in the form's stacking order.
  SetWindowLongPtrW(window_, GWL_STYLE, GetWindowLongPtrW(window_, GWL_STYLE) | WS_CLIPSIBLINGS);
  if (design_.flags & Disabled) EnableWindow(window_, FALSE);
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

void Label::Create(Form& form) {
  CreateChild(form, L"STATIC", SS_LEFT | SS_NOPREFIX);
}

void GroupBox::Create(Form& form) {
  CreateChild(form, L"BUTTON", BS_GROUPBOX);
}

bool GroupBox::DropsMessage(UINT message, WPARAM) {
  if (message == WM_PAINT) {
    RECT inside;
    GetClientRect(window_, &inside);
    HDC target = GetDC(window_);
    FillRect(target, &inside, form_->BackgroundBrush(*this));
    ReleaseDC(window_, target);
  }
  return false;
}

void Button::Create(Form& form) {
  CreateChild(form, L"BUTTON", WS_TABSTOP | ButtonStyle());
}

void Button::OnCommand(int, int code) {
  if (code == BN_CLICKED && onClick) onClick();
}

bool Button::DropsMessage(UINT message, WPARAM) {
  if (message == WM_SETFOCUS) form_->MarkDefaultButton(this);
  if (message == WM_KILLFOCUS) form_->MarkDefaultButton(nullptr);
  return false;
}

void CheckBox::Create(Form& form) {
  Button::Create(form);
  if (Design().flags & InitiallyChecked) SetChecked(true);
}

bool CheckBox::Checked() const {
  return SendMessageW(window_, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void CheckBox::SetChecked(bool checked) {
  SendMessageW(window_, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void EditBox::Create(Form& form) {
  DWORD style = WS_TABSTOP | ES_AUTOHSCROLL;
  if (Design().flags & CentredText) style |= ES_CENTER;
  if (Design().flags & ReadOnly) style |= ES_READONLY;
  CreateChild(form, L"EDIT", style, WS_EX_CLIENTEDGE);
  // Shown also while the box has the focus, as it has when its window opens.
  if (Design().flags & HintText) {
    SendMessageW(window_, EM_SETCUEBANNER, TRUE,
                 reinterpret_cast<LPARAM>(Wide(Design().text).c_str()));
  }
}

void EditBox::SelectAll() {
  SendMessageW(window_, EM_SETSEL, 0, -1);
}

void EditBox::OnCommand(int, int code) {
  if (code == EN_CHANGE && onTextChanged) onTextChanged();
}

bool EditBox::DropsMessage(UINT message, WPARAM wParam) {
  if (message == WM_KEYDOWN && onKeyDown) return onKeyDown(wParam);
  if (message != WM_CHAR || !(Design().flags & IntegerInput)) return false;
  // Control characters (backspace, paste) pass; of the printable ones only digits and '-'.
  wchar_t typed = static_cast<wchar_t>(wParam);
  return typed >= L' ' && !(typed >= L'0' && typed <= L'9') && typed != L'-';
}

void UpDown::SetRange(int minimum, int maximum) {
  minimum_ = minimum;
  maximum_ = maximum;
}

void UpDown::Create(Form& form) {
  CreateChild(form, UPDOWN_CLASSW, 0);
  SendMessageW(window_, UDM_SETRANGE32, minimum_, maximum_);
}

LRESULT UpDown::OnNotify(NMHDR* header) {
  if (header->code != UDN_DELTAPOS) return 0;
  auto* change = reinterpret_cast<NMUPDOWN*>(header);
  if (onStep) onStep(change->iDelta > 0 ? +1 : -1);
  return TRUE;  // the program sets the text; the control's own position stays
}

void DatePicker::Create(Form& form) {
  CreateChild(form, DATETIMEPICK_CLASSW, WS_TABSTOP | DTS_LONGDATEFORMAT | DTS_UPDOWN);
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
