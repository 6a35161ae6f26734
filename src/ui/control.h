// A control of a window: its window and the events the window's binding table attaches
// operations to. Each type of control adds its own events and operations, and makes its
// window from creation arguments of its own (the common ones with the defaults of its type);
// the window it lies in is reached only as its ControlHost. Controls know no design table.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <string>

#include "datetime/date_time.h"
#include "ui/container.h"
#include "ui/control_host.h"
#include "ui/dpi.h"

namespace memo::ui {

// What every control's window is made with; the host places it and sets its font later.
struct CreateArgs {
  ControlHost* host = nullptr;
  int id = 0;             // the window's Win32 id
  const char* text = "";  // caption or initial content
  bool hidden = false;
  bool disabled = false;
};

class Control {
 public:
  Control() = default;
  virtual ~Control() = default;
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  HWND Handle() const { return window_; }
  // The Win32 id it was made with; 0 before.
  int Id() const { return id_; }

  std::string Text() const;
  void SetText(const std::string& text);
  // Visibility as the program wants it; a control on a page that is not shown stays hidden.
  void SetVisible(bool visible);
  bool WantsVisible() const { return wantsVisible_; }
  void SetEnabled(bool enabled);
  bool Enabled() const;
  void Focus();
  virtual bool TakesFocus() const { return false; }
  // The container side of a control that others lie in; nullptr for any other.
  virtual Container* AsContainer() { return nullptr; }

  // Events common to every control; each runs after the control's own handling.
  std::function<void()> onFocus;
  std::function<void()> onLeftButtonDown;
  std::function<void()> onLeftButtonUp;
  // The context menu asked for: by a right click, or from the keyboard (Shift+F10, the Menu
  // key), which has no point of its own.
  std::function<void(bool fromKeyboard)> onContextMenu;

  // What the host hands on to the control.
  // WM_COMMAND from this control: its id (a toolbar's button id) and the notification code.
  virtual void OnCommand(int /*id*/, int /*code*/) {}
  virtual LRESULT OnNotify(NMHDR* /*header*/) { return 0; }
  // Whether a WM_NOTIFY from this window belongs to the control (a tooltip of its own, say).
  virtual bool OwnsNotifier(HWND from) const { return from == window_; }
  virtual void OnDpiChanged(const Dpi& /*dpi*/) {}
  // The window went with its host's.
  void ForgetWindow() { window_ = nullptr; }

 protected:
  // A system control, whose messages pass through this control's events first; false when
  // its window could not be made.
  bool CreateChild(const CreateArgs& args, const wchar_t* className, DWORD style,
                   DWORD extendedStyle = 0);
  // Takes a child window made by a component of its own as this control's window; the
  // component handles its messages. False when there is none.
  bool Adopt(const CreateArgs& args, HWND window);
  // Lets a control drop a message before its window sees it, or act before it.
  virtual bool DropsMessage(UINT /*message*/, WPARAM /*wParam*/) { return false; }

  HWND window_ = nullptr;
  ControlHost* host_ = nullptr;

 private:
  friend class WindowBinding;
  LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  int id_ = 0;
  bool wantsVisible_ = true;
};

class Label : public Control {
 public:
  bool Create(const CreateArgs& args);
};

// Its frame's inside is not painted by the control itself: it takes the colour of the page
// or window it lies on.
class GroupBox : public Control, public Container {
 public:
  bool Create(const CreateArgs& args);
  Container* AsContainer() override { return this; }

 protected:
  bool DropsMessage(UINT message, WPARAM wParam) override;
};

struct ButtonArgs : CreateArgs {
  bool isDefault = false;  // drawn as the default button while no other button has the focus
};

class Button : public Control {
 public:
  bool Create(const ButtonArgs& args);
  bool TakesFocus() const override { return true; }
  std::function<void()> onClick;

 protected:
  void OnCommand(int id, int code) override;
  // A push button with the focus is drawn as the default one, as in dialogs.
  bool DropsMessage(UINT message, WPARAM wParam) override;
};

struct CheckBoxArgs : CreateArgs {
  bool checked = false;
};

class CheckBox : public Button {
 public:
  bool Create(const CheckBoxArgs& args);
  bool Checked() const;
  void SetChecked(bool checked);

 protected:
  virtual DWORD ButtonStyle() const { return BS_AUTOCHECKBOX; }
};

class RadioBox : public CheckBox {
 public:
 protected:
  DWORD ButtonStyle() const override { return BS_AUTORADIOBUTTON; }
};

struct EditBoxArgs : CreateArgs {
  bool centred = false;
  bool readOnly = false;
  bool integerInput = false;   // only digits and the minus sign can be typed
  bool multiLine = false;      // several lines; Enter starts a new one
  const char* hint = nullptr;  // a grey text shown while the box is empty
};

class EditBox : public Control {
 public:
  bool Create(const EditBoxArgs& args);
  bool TakesFocus() const override { return true; }
  void SelectAll();
  std::function<void()> onTextChanged;
  // A key pressed in the box; true when it is taken, and the box does not see it.
  std::function<bool(WPARAM key)> onKeyDown;

 protected:
  void OnCommand(int id, int code) override;
  bool DropsMessage(UINT message, WPARAM wParam) override;

 private:
  bool integerInput_ = false;
};

// Up and down arrows: each press reports its step (+1 up, -1 down); the text they change
// is the program's business.
class UpDown : public Control {
 public:
  bool Create(const CreateArgs& args);
  // Set before the window is made.
  void SetRange(int minimum, int maximum);
  std::function<void(int step)> onStep;

 protected:
  LRESULT OnNotify(NMHDR* header) override;

 private:
  int minimum_ = 0;
  int maximum_ = 100;
};

class DatePicker : public Control {
 public:
  bool Create(const CreateArgs& args);
  bool TakesFocus() const override { return true; }
  // The date shown, at midnight: the picker shows no time of day, so it keeps none.
  DateTime Value() const;
  // Dates the picker cannot hold (before 1601) leave it as it is.
  void SetValue(DateTime date);
};

// A design row without a window (the database connection and the record set).
class NonVisualUnit : public Control {};

}  // namespace memo::ui
