// A top-level window built from its design table: it has every control of the table made, places
// them at the window's DPI, stacks them (containers below their contents, later rows above
// earlier ones), works the keyboard as dialogs do (the Tab key in the design's tab order,
// Ctrl+Tab through the pages, Enter and Escape on the page's 确定 and 取消), shows only the
// controls of the current page of each tab or page control, and routes notifications to the
// controls, whose events the window's binding table has set.
#pragma once

#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "ui/control.h"
#include "ui/control_host.h"
#include "ui/design.h"
#include "ui/dpi.h"

namespace memo::ui {

class Form : public ControlHost {
 public:
  explicit Form(const WindowDesign& design);
  virtual ~Form();
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  template <typename T>
  T& Get(int id) {
    T* control = dynamic_cast<T*>(&ControlAt(id));
    if (!control) FatalAppExitW(0, L"A control of another type was asked for.");
    return *control;
  }
  Control& ControlAt(int id);

  HWND Handle() const override { return window_; }
  const Dpi& CurrentDpi() const override { return dpi_; }
  HFONT FontFor(const Control& control) const;

  // Creates the window centred on the screen and shows it, unless it is to stay hidden. A
  // window that cannot be made, or one of its controls, is reported to the user and logged;
  // false then, and no window is left.
  bool Open(HWND owner, bool shown = true);
  // The same with the owner disabled; returns once the window has been destroyed.
  void OpenModal(HWND owner);
  void Close();
  void SetCaption(const std::string& text);
  // Makes the window this many design pixels high, moved up where its monitor's work area
  // ends sooner, for a part that opens below the others and closes again.
  void SetOuterHeight(int designHeight);
  void UpdateVisibility() override;
  HBRUSH BackgroundBrush(const Control& control) override;

  // The window's own events.
  std::function<void()> onCreated;
  std::function<void()> onDestroying;
  // After the window is gone; the form may be deleted from here.
  std::function<void()> onDestroyed;
  // The left button pressed on the window's client area, not on a control.
  std::function<void()> onLeftButtonDown;
  // Messages the window's owner takes before the form does; true when it has handled one.
  std::function<bool(UINT message, WPARAM wParam, LPARAM lParam)> onMessage;
  // Escape for a part of the window that it closes first (an open calendar); true when used.
  std::function<bool()> onEscape;
  // A key pressed anywhere in the window, before the keys of dialogs; true when taken.
  std::function<bool(WPARAM key)> onShortcut;

  // The keys that work a window of the program as they work a dialog, taken from the message
  // loop before the focused control sees them; true when the key was used:
  // - Tab and Shift+Tab move the focus in the design's tab order;
  // - Ctrl+Tab and Ctrl+Shift+Tab turn the pages of the window's page control;
  // - Enter presses the focused push button, or else the page's 确定;
  // - Escape closes an open part of the window, or else presses the page's 取消, or else
  //   closes a window that another one owns;
  // - after Tab and the arrow keys the window shows where the focus is.
  // Enter and Escape in an open drop-down list stay the list's.
  static bool HandleDialogKey(const MSG& message);

  void MarkDefaultButton(const Control* focused) override;

 private:
  friend class WindowBinding;
  LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  // The messages of the window's own handling; false for those it leaves to the default.
  bool HandleOwnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
  bool RegisterWindowClass();
  // A control whose window could not be made is reported, and the rest left unmade.
  void OnCreate();
  void PlaceCentred();
  void OnNcDestroy();
  LRESULT OnNotify(NMHDR* header);
  // The colour behind a text or box; false for an edit box, which keeps its own.
  bool OnControlColour(HWND control, HDC target, LRESULT& brush);
  // True when the control that had the focus took it back.
  bool OnActivate(WPARAM state);
  void OnDpiChanged(WPARAM dpi, const RECT& suggested);
  void Layout();
  void Restack();
  void ApplyFont();
  bool OnDialogKey(HWND target, WPARAM key);
  // True when the key was used.
  bool OnEnter();
  bool OnEscape();
  void FocusNext(bool backwards);
  // The first control of the tab order that is shown and enabled takes the focus; false
  // when there is none.
  bool FocusFirst();
  void TurnPage(bool backwards);
  // The shown and enabled push button of the current page with this flag; nullptr for none.
  Control* PageButton(DesignFlag role);
  Control* FocusedPushButton();
  void Press(const Control& button);
  void ShowFocusCues();
  void PaintBackground(HDC target);
  void SampleBodyColours();
  HBRUSH BrushOf(COLORREF colour);
  Control* ControlOfWindow(HWND window);
  // The design row of a control that has been made.
  const ControlDesign& RowOf(const Control& control) const { return *rows_[control.Id()]; }
  Control* ContainerOf(const Control& control);
  int Depth(const Control& control);
  bool PageShown(const Control& control);
  std::vector<Control*> TabOrder();

  const WindowDesign& design_;
  std::vector<std::unique_ptr<Control>> controls_;         // indexed by id; 0 is empty
  std::vector<const ControlDesign*> rows_;                 // their design rows, by id
  std::vector<std::function<bool(ControlHost&)>> makers_;  // their windows', by id
  bool controlFailed_ = false;  // a control's window could not be made, and that was reported
  HWND window_ = nullptr;
  HWND modalOwner_ = nullptr;
  HWND focusBeforeLeaving_ = nullptr;  // the control that had the focus when the window lost it
  Dpi dpi_;
  HFONT font_ = nullptr;
  HFONT compactFont_ = nullptr;
  std::map<COLORREF, HBRUSH> brushes_;
};

// Runs the program's message loop until the quit message; gives the exit code it carries.
int RunMessageLoop();

}  // namespace memo::ui
