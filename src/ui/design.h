// The vocabulary of the window designs: each window is one table of control rows (type,
// caption or text, place, container, tab order, initial state), plus the small
// tables of its pages, columns, toolbar buttons, status parts and menu. Places are pixels at
// 96 DPI, relative to the client area of the container (the window, a group box, or a tab or
// page control, whose pages share its rectangle).
#pragma once

#include <cstddef>

namespace memo::ui {

enum class ControlType {
  kLabel,
  kEditBox,
  kButton,
  kCheckBox,
  kRadioBox,
  kGroupBox,
  kTab,
  kPageControl,
  kToolBar,
  kStatusBar,
  kListView,
  kDatePicker,
  kPicBox,
  kHtmlViewer,
  kUpDown,
  kLunarMonthCalendar,
  kNonVisual,  // a unit with a place in the design but no window
};

struct DesignRect {
  int left;
  int top;
  int width;
  int height;
};

enum DesignFlag : unsigned {
  kHidden = 1u << 0,
  kDisabled = 1u << 1,
  kCentredText = 1u << 2,
  kIntegerInput = 1u << 3,  // only digits and the minus sign can be typed
  kInitiallyChecked = 1u << 4,
  kCompactFont = 1u << 5,    // a character one pixel smaller, for a text its box barely holds
  kHintText = 1u << 6,       // an edit box's text is a grey hint shown while it is empty
  kReadOnly = 1u << 7,       // an edit box shows its text without taking typing
  kDefaultButton = 1u << 8,  // 确定 of its page: Enter presses it, and it is drawn as the default
  kCancelButton = 1u << 9,   // 取消 of its page: Escape presses it
  // When the work area leaves the window shorter than designed (a high DPI on a small screen),
  // a bar along the bottom rises with the window's edge and the views above it give way.
  kFollowsBottom = 1u << 10,
  kGivesWayToBottom = 1u << 11,
  kMultiLine = 1u << 12,  // an edit box of several lines, Enter starting a new one
};

constexpr int kNoContainer = 0;
constexpr int kNoTabOrder = -1;

struct ControlDesign {
  int id;  // the control's Win32 id; unique within its window, from 1
  ControlType type;
  const char* text;  // caption or initial content
  DesignRect rect;
  int container = kNoContainer;  // id of the group box, tab or page control it lies in
  int page = 0;                  // its page, when the container has pages
  int tabOrder = kNoTabOrder;    // focusable controls without one follow in table order
  unsigned flags = 0;
};

struct WindowDesign {
  const wchar_t* className;
  const char* caption;
  int width;  // the outer rectangle
  int height;
  bool minimizeBox;
  const ControlDesign* controls;
  size_t controlCount;
};

struct PageDesign {
  const char* caption;
  const char* tooltip;  // nullptr: none
  int image;            // index in the control's image list, -1: none
};

struct ColumnDesign {
  const char* caption;
  int width;
};

struct ToolButtonDesign {
  const char* caption;  // nullptr: a separator
  const char* tooltip;  // nullptr: none
  int image;
};

struct StatusPartDesign {
  int width;
  const char* text;
  int image;  // index in the status bar's image list, -1: none
};

enum MenuItemFlag : unsigned {
  kDefaultMenuItem = 1u << 0,  // shown bold: what a double click on the menu's source does
};

// One item of a menu tree, listed depth first; level 0 is the top.
struct MenuItemDesign {
  int level;
  const char* caption;  // nullptr: a separator
  int code;             // what a leaf stands for; kNoMenuCode for any other item
  unsigned flags = 0;
};
constexpr int kNoMenuCode = -1;

// Resources holding the images: a strip of equally wide images, side by side.
struct ImageStripDesign {
  int resourceId;
  int width;
  int height;
  int count;
};

}  // namespace memo::ui
