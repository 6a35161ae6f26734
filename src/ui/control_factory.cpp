#include "ui/control_factory.h"

#include "ui/hosted_controls.h"
#include "ui/list_view.h"
#include "ui/month_calendar.h"
#include "ui/status_bar_control.h"
#include "ui/tab_control.h"
#include "ui/tool_bar.h"

namespace memo::ui {
namespace {

// The arguments every control takes from its row. A hint is no content.
template <typename Args>
Args CommonArgs(const ControlDesign& design) {
  Args args;
  args.id = design.id;
  args.text = design.text && !(design.flags & kHintText) ? design.text : "";
  args.hidden = (design.flags & kHidden) != 0;
  args.disabled = (design.flags & kDisabled) != 0;
  return args;
}

// A control of type T whose window is made with these arguments in the host it is given.
template <typename T, typename Args>
DesignedControl MadeWith(Args args) {
  auto control = std::make_unique<T>();
  T* made = control.get();
  return {std::move(control), [made, args](ControlHost& host) mutable {
            args.host = &host;
            return made->Create(args);
          }};
}

template <typename T>
DesignedControl Designed(const ControlDesign& design) {
  return MadeWith<T>(CommonArgs<CreateArgs>(design));
}

DesignedControl DesignedButton(const ControlDesign& design) {
  auto args = CommonArgs<ButtonArgs>(design);
  args.isDefault = (design.flags & kDefaultButton) != 0;
  return MadeWith<Button>(args);
}

template <typename T>
DesignedControl DesignedCheckBox(const ControlDesign& design) {
  auto args = CommonArgs<CheckBoxArgs>(design);
  args.checked = (design.flags & kInitiallyChecked) != 0;
  return MadeWith<T>(args);
}

DesignedControl DesignedEditBox(const ControlDesign& design) {
  auto args = CommonArgs<EditBoxArgs>(design);
  args.centred = (design.flags & kCentredText) != 0;
  args.readOnly = (design.flags & kReadOnly) != 0;
  args.integerInput = (design.flags & kIntegerInput) != 0;
  args.multiLine = (design.flags & kMultiLine) != 0;
  if (design.flags & kHintText) args.hint = design.text;
  return MadeWith<EditBox>(args);
}

// Nothing to make: the unit is there without a window.
DesignedControl NonVisual() {
  return {std::make_unique<NonVisualUnit>(), [](ControlHost&) { return true; }};
}

}  // namespace

DesignedControl MakeControl(const ControlDesign& design) {
  switch (design.type) {
    case ControlType::kLabel:
      return Designed<Label>(design);
    case ControlType::kEditBox:
      return DesignedEditBox(design);
    case ControlType::kButton:
      return DesignedButton(design);
    case ControlType::kCheckBox:
      return DesignedCheckBox<CheckBox>(design);
    case ControlType::kRadioBox:
      return DesignedCheckBox<RadioBox>(design);
    case ControlType::kGroupBox:
      return Designed<GroupBox>(design);
    case ControlType::kTab:
    case ControlType::kPageControl:
      return Designed<TabControl>(design);
    case ControlType::kToolBar:
      return Designed<ToolBar>(design);
    case ControlType::kStatusBar:
      return Designed<StatusBarControl>(design);
    case ControlType::kListView:
      return Designed<ListView>(design);
    case ControlType::kDatePicker:
      return Designed<DatePicker>(design);
    case ControlType::kPicBox:
      return Designed<PictureControl>(design);
    case ControlType::kHtmlViewer:
      return Designed<ReportViewControl>(design);
    case ControlType::kUpDown:
      return Designed<UpDown>(design);
    case ControlType::kLunarMonthCalendar:
      return Designed<MonthCalendar>(design);
    case ControlType::kNonVisual:
      return NonVisual();
  }
  return {};
}

}  // namespace memo::ui
