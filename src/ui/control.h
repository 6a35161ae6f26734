// A control of a window design: its window, its design row, and the events the window's
// binding table attaches operations to. Each type of control adds its own events and
// operations. Controls are made by their form from the design table.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <string>

#include "datetime/date_time.h"
#include "ui/design.h"
#include "ui/dpi.h"

namespace memo::ui {

class Form;

class Control {
 public:
  explicit Control(const ControlDesign& design) : design_(design) {}
  virtual ~Control() = default;
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  HWND Handle() const { return window_; }
  const ControlDesign& Design() const { return design_; }

  std::string Text() const;
  void SetText(const std::string& text);
  // Visibility as the program wants it; a control on a page that is not shown stays hidden.
  void SetVisible(bool visible);
  bool WantsVisible() const { return wantsVisible_; }
  void SetEnabled(bool enabled);
  bool Enabled() const;
  void Focus();
  virtual bool TakesFocus() const { return false; }

  // Events common to every control; each runs after the control's own handling.
  std::function<void()> onFocus;
  std::function<void()> onLeftButtonDown;
  std::function<void()> onLeftButtonUp;
  // The context menu asked for: by a right click, or from the keyboard (Shift+F10, the Menu
  // key), which has no point of its own.
  std::function<void(bool fromKeyboard)> onContextMenu;

 protected:
  friend class Form;

  // Makes the window as a child of the form; the form places it and sets its font.
  virtual void Create(Form& form) = 0;
  // A system control, whose messages pass through this control's events first.
  HWND CreateChild(Form& form, const wchar_t* className, DWORD style, DWORD extendedStyle = 0);
  // Takes a child window made by a component of its own as this control's window; the
  // component handles its messages.
  void Adopt(Form& form, HWND window);
  // WM_COMMAND from this control: its id (a toolbar's button id) and the notification code.
  virtual void OnCommand(int /*id*/, int /*code*/) {}
  virtual LRESULT OnNotify(NMHDR* /*header*/) { return 0; }
  // Whether a WM_NOTIFY from this window belongs to the control (a tooltip of its own, say).
  virtual bool OwnsNotifier(HWND from) const { return from == window_; }
  // Lets a control drop a message before its window sees it, or act before it.
  virtual bool DropsMessage(UINT /*message*/, WPARAM /*wParam*/) { return false; }
  virtual void OnDpiChanged(const Dpi& /*dpi*/) {}

  HWND window_ = nullptr;
  Form* form_ = nullptr;

 private:
  friend class WindowBinding;
  LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  const ControlDesign& design_;
  bool wantsVisible_ = true;
};

class Label : public Control {
 public:
  using Control::Control;

 protected:
  void Create(Form& form) override;
};

// Its frame's inside is not painted by the control itself: it takes the colour of the page
// or window it lies on.
class GroupBox : public Control {
 public:
  using Control::Control;

 protected:
  void Create(Form& form) override;
  bool DropsMessage(UINT message, WPARAM wParam) override;
};

class Button : public Control {
 public:
  using Control::Control;
  bool TakesFocus() const override { return true; }
  std::function<void()> onClick;

 protected:
  void Create(Form& form) override;
  void OnCommand(int id, int code) override;
  // A push button with the focus is drawn as the default one, as in dialogs.
  bool DropsMessage(UINT message, WPARAM wParam) override;
  virtual DWORD ButtonStyle() const {
    return Design().flags & DefaultButton ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
  }
};

class CheckBox : public Button {
 public:
  using Button::Button;
  bool Checked() const;
  void SetChecked(bool checked);

 protected:
  void Create(Form& form) override;
  DWORD ButtonStyle() const override { return BS_AUTOCHECKBOX; }
};

class RadioBox : public CheckBox {
 public:
  using CheckBox::CheckBox;

 protected:
  DWORD ButtonStyle() const override { return BS_AUTORADIOBUTTON; }
};

class EditBox : public Control {
 public:
  using Control::Control;
  bool TakesFocus() const override { return true; }
  void SelectAll();
  std::function<void()> onTextChanged;
  // A key pressed in the box; true when it is taken, and the box does not see it.
  std::function<bool(WPARAM key)> onKeyDown;

 protected:
  void Create(Form& form) override;
  void OnCommand(int id, int code) override;
  bool DropsMessage(UINT message, WPARAM wParam) override;
};

// Up and down arrows: each press reports its step (+1 up, -1 down); the text they change
// is the program's business.
class UpDown : public Control {
 public:
  using Control::Control;
  void SetRange(int minimum, int maximum);
  std::function<void(int step)> onStep;

 protected:
  void Create(Form& form) override;
  LRESULT OnNotify(NMHDR* header) override;

 private:
  int minimum_ = 0;
  int maximum_ = 100;
};

class DatePicker : public Control {
 public:
  using Control::Control;
  bool TakesFocus() const override { return true; }
  // The date shown, at midnight: the picker shows no time of day, so it keeps none.
  DateTime Value() const;
  // Dates the picker cannot hold (before 1601) leave it as it is.
  void SetValue(DateTime date);

 protected:
  void Create(Form& form) override;
};

// A design row without a window (the database connection and the record set).
class NonVisualUnit : public Control {
 public:
  using Control::Control;

 protected:
  void Create(Form&) override {}
};

}  // namespace memo::ui
