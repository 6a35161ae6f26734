#include "ui/calendar_window.h"

#include <windowsx.h>

#include "datetime/clock.h"
#include "lunar/date_names.h"
#include "text/win32/wide_text.h"
#include "ui/ui_thread.h"
#include "ui/window_binding.h"

namespace memo {
namespace {

constexpr wchar_t kClassName[] = L"CCalendar";
constexpr int kYearListId = 1019;
constexpr int kMonthListId = 1020;

// Geometry in 96-DPI pixels.
constexpr int kCellWidth = 52, kRowHeight = 32, kBandHeight = 20, kHeaderBand = 30;
constexpr int kUnitWidth = 7 * kCellWidth + 1;
constexpr int kGridHeight = kBandHeight + 6 * kRowHeight + kBandHeight;
constexpr int kListTop = 4, kOpenListHeight = 300;
constexpr int kYearListLeft = 3, kYearListRight = 105;
constexpr int kMonthListLeft = 107, kMonthListRight = 168;

constexpr COLORREF kHeaderFill = RGB(134, 138, 182);
constexpr COLORREF kGridLine = RGB(0, 0, 255);
constexpr COLORREF kBandFill = RGB(41, 109, 181);
constexpr COLORREF kWeekendTitle = RGB(2, 253, 229);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kMonthFill = RGB(255, 250, 194);
constexpr COLORREF kHoverFill = RGB(0, 0, 255);
constexpr COLORREF kHoverLunar = RGB(0, 255, 255);
constexpr COLORREF kOtherFill = RGB(211, 217, 214);
constexpr COLORREF kSelectedFrame = RGB(255, 128, 0);
constexpr COLORREF kTodayMark = RGB(0, 160, 0);
// The chosen day's frame lies just inside the grid lines, the width of two lines; today's
// mark is a triangle in the cell's upper right corner. Both leave the fill near the upper
// left corner, which tells the cell's kind, as it is.
constexpr int kSelectedFrameWidth = 2;
constexpr int kTodayMarkSize = 9;

void Fill(HDC dc, const RECT& rect, COLORREF colour) {
  SetDCBrushColor(dc, colour);
  FillRect(dc, &rect, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

void DrawTextIn(HDC dc, const std::string& gbk, RECT rect, COLORREF colour, UINT format) {
  std::wstring text = Wide(gbk);
  SetTextColor(dc, colour);
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect,
            format | DT_SINGLELINE | DT_NOPREFIX);
}

}  // namespace

// Immediate events go straight to the owner; queued ones wait for the message loop, so
// the owner sees them after the current mouse message, in the order they were queued.
class CalendarWindow::Sink : public CalendarEventSink {
 public:
  explicit Sink(CalendarWindow* owner) : owner_(owner) {}
  void Raise(const CalendarNotice& notice) override {
    if (owner_->onEvent_) owner_->onEvent_(notice);
  }
  void Queue(const CalendarNotice& notice) override {
    owner_->queued_.push_back(notice);
    if (owner_->window_) owner_->DeliverQueuedLater();
  }

 private:
  CalendarWindow* owner_;
};

CalendarWindow* CalendarWindow::Create(HWND parent, int controlId, const CalendarStoredData& stored,
                                       EventHandler onEvent) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSW windowClass = {};
  if (!GetClassInfoW(instance, kClassName, &windowClass)) {
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kClassName;
    windowClass.lpfnWndProc = ui::WindowBinding::OwnClassProc<CalendarWindow>;
    if (!RegisterClassW(&windowClass)) return nullptr;
  }
  auto* unit = new CalendarWindow();
  unit->onEvent_ = std::move(onEvent);
  unit->sink_ = std::make_unique<Sink>(unit);
  unit->dpi_ = ui::DpiOfWindow(parent);
  unit->model_ =
      std::make_unique<LunarMonthCalendar>(DayNumberOf(Now()), stored, unit->sink_.get());
  HWND window =
      CreateWindowExW(0, kClassName, L"", WS_CHILD | WS_CLIPCHILDREN, 0, 0, 0, 0, parent,
                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId)), instance, unit);
  if (!window) {
    delete unit;
    return nullptr;
  }
  auto makeList = [&](int id) {
    return CreateWindowExW(
        0, L"COMBOBOX", L"", WS_CHILD | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWNLIST, 0, 0, 0, 0,
        window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
  };
  unit->yearList_ = makeList(kYearListId);
  unit->monthList_ = makeList(kMonthListId);
  if (!unit->yearList_ || !unit->monthList_) {
    DestroyWindow(window);  // and the unit with it
    return nullptr;
  }
  unit->SetDpi(unit->dpi_);
  unit->SyncLists();
  // The stored date's change event, queued before the window existed.
  if (!unit->queued_.empty()) unit->DeliverQueuedLater();
  return unit;
}

void CalendarWindow::DeliverQueuedLater() {
  // The unit may be gone by then: it is looked up again from its window.
  ui::RunOnUiLater([window = window_] {
    if (auto* unit = ui::WindowBinding::ObjectOf<CalendarWindow>(window)) unit->DeliverQueued();
  });
}

void CalendarWindow::DeliverQueued() {
  std::vector<CalendarNotice> notices;
  notices.swap(queued_);
  if (!notices.empty()) SyncLists();
  for (const CalendarNotice& notice : notices) {
    if (onEvent_) onEvent_(notice);
  }
}

int CalendarWindow::GridTop() const {
  return model_->ShowLists() ? kHeaderBand : 0;
}

void CalendarWindow::SetDpi(const ui::Dpi& dpi) {
  dpi_ = dpi;
  PlaceLists();
  Resize();
  InvalidateRect(window_, nullptr, FALSE);
}

void CalendarWindow::PlaceLists() {
  // The height of a drop-down list is that of its open list.
  auto place = [this](HWND list, int left, int right) {
    SetWindowPos(list, nullptr, dpi_.Scale(left), dpi_.Scale(kListTop),
                 dpi_.Scale(right) - dpi_.Scale(left), dpi_.Scale(kOpenListHeight),
                 SWP_NOZORDER | SWP_NOACTIVATE);
  };
  place(yearList_, kYearListLeft, kYearListRight);
  place(monthList_, kMonthListLeft, kMonthListRight);
}

void CalendarWindow::Resize() {
  SetWindowPos(window_, nullptr, 0, 0, dpi_.Scale(kUnitWidth), dpi_.Scale(GridTop() + kGridHeight),
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  int show = model_->ShowLists() ? SW_SHOWNA : SW_HIDE;
  ShowWindow(yearList_, show);
  ShowWindow(monthList_, show);
}

void CalendarWindow::SyncLists() {
  auto fill = [](HWND list, const std::vector<std::string>& entries, int current) {
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    SendMessageW(list, CB_RESETCONTENT, 0, 0);
    for (const std::string& entry : entries) {
      SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(entry).c_str()));
    }
    SendMessageW(list, CB_SETCURSEL, current, 0);
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
  };
  fill(yearList_, model_->YearEntries(), model_->YearEntry());
  fill(monthList_, model_->MonthEntries(), model_->MonthEntry());
  SetWindowTextW(window_, Wide(model_->DayText()).c_str());
}

void CalendarWindow::Refresh() {
  Resize();
  SyncLists();
  InvalidateRect(window_, nullptr, FALSE);
}

void CalendarWindow::Change(const std::function<void(LunarMonthCalendar&)>& change) {
  change(*model_);
  Refresh();
}

RECT CalendarWindow::CellRect(int index) const {
  int column = index % 7, row = index / 7;
  int top = GridTop() + kBandHeight + row * kRowHeight;
  // Neighbours share their border line.
  return RECT{dpi_.Scale(column * kCellWidth), dpi_.Scale(top),
              dpi_.Scale((column + 1) * kCellWidth) + 1, dpi_.Scale(top + kRowHeight) + 1};
}

int CalendarWindow::CellAt(int x, int y) const {
  int top = dpi_.Scale(GridTop() + kBandHeight);
  if (x < 0 || y < top) return -1;
  int column = MulDiv(x, ui::kDesignDpi, dpi_.value) / kCellWidth;
  int row = MulDiv(y - top, ui::kDesignDpi, dpi_.value) / kRowHeight;
  if (column > 6 || row > 5) return -1;
  return row * 7 + column;
}

void CalendarWindow::PaintCell(HDC dc, int index) {
  const CalendarCell& cell = model_->Cells()[index];
  bool hover = cell.inMonth && index == model_->HoverCell();
  RECT rect = CellRect(index);
  SetDCPenColor(dc, kGridLine);
  SelectObject(dc, GetStockObject(DC_PEN));
  SetDCBrushColor(dc, !cell.inMonth ? kOtherFill : hover ? kHoverFill : kMonthFill);
  SelectObject(dc, GetStockObject(DC_BRUSH));
  Rectangle(dc, rect.left, rect.top, rect.right, rect.bottom);
  RECT upper{rect.left, rect.top + dpi_.Scale(3), rect.right, rect.bottom};
  DrawTextIn(dc, LunarMonthCalendar::UpperText(cell), upper, hover ? kHoverLunar : kRed,
             DT_CENTER | DT_TOP);
  RECT lower{rect.left, rect.top, rect.right, rect.bottom - dpi_.Scale(3)};
  DrawTextIn(dc, LunarMonthCalendar::LowerText(cell), lower, hover ? kWhite : kBlack,
             DT_CENTER | DT_BOTTOM);
  if (cell.selected) {
    SetDCBrushColor(dc, kSelectedFrame);
    RECT frame{rect.left + 1, rect.top + 1, rect.right - 1, rect.bottom - 1};
    for (int line = 0; line < dpi_.Scale(kSelectedFrameWidth); ++line) {
      FrameRect(dc, &frame, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
      InflateRect(&frame, -1, -1);
    }
  }
  if (cell.today) {
    const int size = dpi_.Scale(kTodayMarkSize);
    const POINT corner[] = {{rect.right - 1 - size, rect.top + 1},
                            {rect.right - 1, rect.top + 1},
                            {rect.right - 1, rect.top + 1 + size}};
    SetDCPenColor(dc, kTodayMark);
    SetDCBrushColor(dc, kTodayMark);
    Polygon(dc, corner, 3);
  }
}

void CalendarWindow::Paint(HDC dc) {
  RECT client;
  GetClientRect(window_, &client);
  SelectObject(dc, font_ ? font_ : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)));
  SetBkMode(dc, TRANSPARENT);
  int top = dpi_.Scale(GridTop());
  if (model_->ShowLists()) {
    Fill(dc, RECT{0, 0, client.right, top}, kHeaderFill);
    DrawTextIn(dc, model_->DayText(), RECT{dpi_.Scale(175), 0, client.right - dpi_.Scale(5), top},
               kWhite, DT_RIGHT | DT_VCENTER);
  }
  RECT header{0, top, client.right, dpi_.Scale(GridTop() + kBandHeight)};
  Fill(dc, header, kBandFill);
  for (int day = 1; day <= 7; ++day) {
    RECT title{dpi_.Scale((day - 1) * kCellWidth), header.top, dpi_.Scale(day * kCellWidth),
               header.bottom};
    DrawTextIn(dc, WeekdayName(day), title, day >= 6 ? kWeekendTitle : kWhite,
               DT_CENTER | DT_VCENTER);
  }
  for (int i = 0; i < LunarMonthCalendar::kCellCount; ++i) PaintCell(dc, i);
  RECT footer{0, CellRect(LunarMonthCalendar::kCellCount - 1).bottom, client.right, client.bottom};
  Fill(dc, footer, kBandFill);
  RECT footerText{footer.left + dpi_.Scale(5), footer.top, footer.right - dpi_.Scale(5),
                  footer.bottom};
  DrawTextIn(dc, model_->MonthTermsText(), footerText, kWhite, DT_LEFT | DT_VCENTER);
  DrawTextIn(dc, model_->HoverText(), footerText, kWhite, DT_RIGHT | DT_VCENTER);
}

// Draws off screen so that hovering does not flicker.
void CalendarWindow::PaintOffScreen() {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window_, &paint);
  RECT client;
  GetClientRect(window_, &client);
  HDC memory = CreateCompatibleDC(dc);
  HBITMAP bitmap = CreateCompatibleBitmap(dc, client.right, client.bottom);
  HGDIOBJ old = SelectObject(memory, bitmap);
  Paint(memory);
  BitBlt(dc, 0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  EndPaint(window_, &paint);
}

void CalendarWindow::OnMouseMove(int x, int y) {
  if (!trackingLeave_) {
    TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, window_, 0};
    trackingLeave_ = TrackMouseEvent(&track);
  }
  const int before = model_->HoverCell();
  const std::string hoverBefore = model_->HoverText();
  model_->PointerMoved(CellAt(x, y));
  if (before != model_->HoverCell() || hoverBefore != model_->HoverText()) {
    InvalidateRect(window_, nullptr, FALSE);
  }
}

void CalendarWindow::OnListChosen(int controlId) {
  HWND list = controlId == kYearListId ? yearList_ : monthList_;
  int entry = static_cast<int>(SendMessageW(list, CB_GETCURSEL, 0, 0));
  if (controlId == kYearListId) {
    model_->ChooseYear(entry);
  } else {
    model_->ChooseMonth(entry);
  }
  SyncLists();
  InvalidateRect(window_, nullptr, FALSE);
}

LRESULT CalendarWindow::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_NCCREATE:
      window_ = window;
      return DefWindowProcW(window, message, wParam, lParam);
    case WM_NCDESTROY:
      delete this;
      return DefWindowProcW(window, message, wParam, lParam);
    case WM_PAINT:
      PaintOffScreen();
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_SETFONT:
      // The lists write in the unit's font too, which follows the window's DPI.
      font_ = reinterpret_cast<HFONT>(wParam);
      for (HWND list : {yearList_, monthList_}) SendMessageW(list, WM_SETFONT, wParam, lParam);
      if (LOWORD(lParam)) InvalidateRect(window_, nullptr, FALSE);
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(font_);
    case WM_SETFOCUS:
      // The keyboard reaches the unit through its year list.
      if (model_->ShowLists()) SetFocus(yearList_);
      return 0;
    case WM_MOUSEMOVE:
      OnMouseMove(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
      return 0;
    case WM_MOUSELEAVE:
      trackingLeave_ = false;
      model_->PointerMoved(-1);
      InvalidateRect(window_, nullptr, FALSE);
      return 0;
    case WM_LBUTTONUP:
      model_->LeftButtonReleased(CellAt(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)));
      InvalidateRect(window_, nullptr, FALSE);
      return 0;
    case WM_RBUTTONUP:
      model_->RightButtonReleased(CellAt(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)));
      return 0;
    case WM_COMMAND:
      if (HIWORD(wParam) == CBN_SELCHANGE) OnListChosen(LOWORD(wParam));
      return 0;
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

}  // namespace memo
