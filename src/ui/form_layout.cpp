// The form's controls in their places: positions and sizes at the window's DPI, the stacking
// order, which of them are shown, their fonts and the colours behind them.
#include <algorithm>
#include <tuple>

#include "ui/form.h"

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

}  // namespace

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
  return (RowOf(control).flags & kCompactFont) ? compactFont_ : font_;
}

Control* Form::ContainerOf(const Control& control) {
  int container = RowOf(control).container;
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
    const ControlDesign& row = RowOf(*control);
    int left = row.rect.left, top = row.rect.top;
    for (Control* c = ContainerOf(*control); c; c = ContainerOf(*c)) {
      left += RowOf(*c).rect.left;
      top += RowOf(*c).rect.top;
    }
    int x = dpi_.Scale(left), y = dpi_.Scale(top);
    int height = dpi_.Scale(top + row.rect.height) - y;
    if (row.flags & kFollowsBottom) y -= shortfall;
    if (row.flags & kGivesWayToBottom) height -= shortfall;
    SetWindowPos(control->Handle(), nullptr, x, y, dpi_.Scale(left + row.rect.width) - x, height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }
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

void Form::Restack() {
  // Painter's order: shallower first, containers before their siblings, then table order.
  std::vector<std::pair<std::tuple<int, int, size_t>, HWND>> order;
  for (size_t i = 0; i < design_.controlCount; ++i) {
    Control& control = ControlAt(design_.controls[i].id);
    if (!control.Handle()) continue;
    order.push_back({{Depth(control), control.AsContainer() ? 0 : 1, i}, control.Handle()});
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
    if (Container* container = c->AsContainer();
        container && !container->ShowsPage(RowOf(*inner).page)) {
      return false;
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

void Form::SampleBodyColours() {
  for (auto& control : controls_) {
    if (!control || !control->Handle()) continue;
    if (Container* container = control->AsContainer()) container->SampleBodyColour();
  }
}

HBRUSH Form::BrushOf(COLORREF colour) {
  HBRUSH& brush = brushes_[colour];
  if (!brush) brush = CreateSolidBrush(colour);
  return brush;
}

HBRUSH Form::BackgroundBrush(const Control& control) {
  for (Control* c = ContainerOf(control); c; c = ContainerOf(*c)) {
    Container* container = c->AsContainer();
    if (!container) continue;
    if (std::optional<COLORREF> body = container->BodyColour()) return BrushOf(*body);
  }
  return BrushOf(GetSysColor(COLOR_BTNFACE));
}

void Form::PaintBackground(HDC target) {
  RECT area;
  GetClientRect(window_, &area);
  FillRect(target, &area, GetSysColorBrush(COLOR_BTNFACE));
  // Controls drawn over their parent's background (themed check boxes) find the page there.
  for (auto& control : controls_) {
    if (!control || !control->Handle() || !IsWindowVisible(control->Handle())) continue;
    Container* container = control->AsContainer();
    std::optional<COLORREF> body = container ? container->BodyColour() : std::nullopt;
    if (!body) continue;
    RECT bodyRect = container->BodyRect();
    FillRect(target, &bodyRect, BrushOf(*body));
  }
}

}  // namespace memo::ui
