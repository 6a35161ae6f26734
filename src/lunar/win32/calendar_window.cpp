#include "lunar/win32/calendar_window.h"

#include <windowsx.h>

#include "datetime/clock.h"
#include "lunar/lunar_texts.h"
#include "text/text_codec.h"

namespace memo {
namespace {

constexpr wchar_t kClassName[] = L"CCalendar";
constexpr UINT kQueuedEventsMessage = WM_APP + 41;
constexpr int kYearListId = 1019;
constexpr int kMonthListId = 1020;

// Geometry in 96-DPI pixels.
constexpr int kCellWidth = 52, kRowHeight = 32, kBandHeight = 20, kHeaderBand = 30;
constexpr int kUnitWidth = 7 * kCellWidth + 1;
constexpr int kGridHeight = kBandHeight + 6 * kRowHeight + kBandHeight;

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

std::wstring Wide(const std::string& gbk) {
  std::u16string text = GbkToUtf16(gbk);
  return std::wstring(text.begin(), text.end());
}

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

void RegisterClassOnce() {
  static bool registered = false;
  if (registered) return;
  WNDCLASSW windowClass = {};
  windowClass.style = CS_HREDRAW | CS_VREDRAW;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
  windowClass.lpszClassName = kClassName;
  windowClass.lpfnWndProc = DefWindowProcW;  // replaced per window at creation
  RegisterClassW(&windowClass);
  registered = true;
}

}  // namespace

// Immediate events go straight to the owner; queued ones wait for the message loop, so
// the owner sees them after the current mouse message, in the order they were queued.
class CalendarWindow::Sink : public CalendarEventSink {
 public:
  explicit Sink(CalendarWindow* owner) : owner_(owner) {}
  void Raise(const CalendarEvent& event) override {
    if (owner_->onEvent_) owner_->onEvent_(event);
  }
  void Queue(const CalendarEvent& event) override {
    owner_->queued_.push_back(event);
    if (owner_->window_) PostMessageW(owner_->window_, kQueuedEventsMessage, 0, 0);
  }

 private:
  CalendarWindow* owner_;
};

CalendarWindow* CalendarWindow::Create(HWND parent, int x, int y, int controlId,
                                       const CalendarStoredData& stored, EventHandler onEvent) {
  RegisterClassOnce();
  auto* unit = new CalendarWindow();
  unit->onEvent_ = std::move(onEvent);
  unit->sink_ = std::make_unique<Sink>(unit);
  HDC screen = GetDC(parent);
  unit->dpi_ = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(parent, screen);
  unit->model_ = std::make_unique<CnMonthCalendar>(DatePart(Now()), stored, unit->sink_.get());

  HWND window = CreateWindowExW(0, kClassName, L"", WS_CHILD | WS_CLIPCHILDREN, unit->Scale(x),
                                unit->Scale(y), unit->Scale(kUnitWidth), unit->Scale(kGridHeight),
                                parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId)),
                                GetModuleHandleW(nullptr), nullptr);
  unit->window_ = window;
  SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(unit));
  SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(WindowProc));

  LOGFONTW logFont = {};
  logFont.lfHeight = -unit->Scale(12);
  logFont.lfCharSet = GB2312_CHARSET;
  lstrcpyW(logFont.lfFaceName, L"SimSun");
  unit->font_ = CreateFontIndirectW(&logFont);
  HFONT listFont = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  auto makeList = [&](int left, int right, int id) {
    HWND list = CreateWindowExW(
        0, L"COMBOBOX", L"", WS_CHILD | WS_VSCROLL | CBS_DROPDOWNLIST, unit->Scale(left),
        unit->Scale(4), unit->Scale(right - left), unit->Scale(300), window,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
    SendMessageW(list, WM_SETFONT, reinterpret_cast<WPARAM>(listFont), FALSE);
    return list;
  };
  unit->yearList_ = makeList(3, 105, kYearListId);
  unit->monthList_ = makeList(107, 168, kMonthListId);
  unit->Resize();
  unit->SyncLists();
  if (!unit->queued_.empty()) PostMessageW(window, kQueuedEventsMessage, 0, 0);
  return unit;
}

int CalendarWindow::Scale(int designPixels) const {
  return MulDiv(designPixels, dpi_, 96);
}
int CalendarWindow::GridTop() const {
  return model_->ShowLists() ? kHeaderBand : 0;
}

void CalendarWindow::Resize() {
  int height = GridTop() + kGridHeight;
  SetWindowPos(window_, nullptr, 0, 0, Scale(kUnitWidth), Scale(height),
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  int show = model_->ShowLists() ? SW_SHOW : SW_HIDE;
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

void CalendarWindow::SetNumberProperty(int number, double value) {
  model_->SetNumberProperty(number, value);
  Refresh();
}

void CalendarWindow::SetTextProperty(int number, const std::string& value) {
  model_->SetTextProperty(number, value);
  Refresh();
}

RECT CalendarWindow::CellRect(int index) const {
  int column = index % 7, row = index / 7;
  int top = GridTop() + kBandHeight + row * kRowHeight;
  return RECT{Scale(column * kCellWidth), Scale(top), Scale((column + 1) * kCellWidth) + 1,
              Scale(top + kRowHeight) + 1};
}

int CalendarWindow::CellAt(int x, int y) const {
  int top = Scale(GridTop() + kBandHeight);
  if (x < 0 || y < top) return -1;
  int column = x * 96 / dpi_ / kCellWidth;
  int row = (y - top) * 96 / dpi_ / kRowHeight;
  if (column > 6 || row > 5) return -1;
  return row * 7 + column;
}

void CalendarWindow::PaintCell(HDC dc, int index) {
  const CalendarCell& cell = model_->Cells()[index];
  bool hover = index == model_->HoverCell();
  COLORREF fill = !cell.inMonth ? kOtherFill : hover ? kHoverFill : kMonthFill;
  RECT rect = CellRect(index);
  SetDCPenColor(dc, kGridLine);
  SelectObject(dc, GetStockObject(DC_PEN));
  SetDCBrushColor(dc, fill);
  SelectObject(dc, GetStockObject(DC_BRUSH));
  Rectangle(dc, rect.left, rect.top, rect.right, rect.bottom);
  RECT upper{rect.left, rect.top + Scale(3), rect.right, rect.bottom};
  DrawTextIn(dc, CnMonthCalendar::UpperText(cell), upper,
             hover && cell.inMonth ? kHoverLunar : kRed, DT_CENTER | DT_TOP);
  RECT lower{rect.left, rect.top, rect.right, rect.bottom - Scale(3)};
  DrawTextIn(dc, CnMonthCalendar::LowerText(cell), lower, hover && cell.inMonth ? kWhite : kBlack,
             DT_CENTER | DT_BOTTOM);
}

void CalendarWindow::Paint(HDC dc) {
  RECT client;
  GetClientRect(window_, &client);
  SelectObject(dc, font_);
  SetBkMode(dc, TRANSPARENT);
  int top = Scale(GridTop());
  if (model_->ShowLists()) {
    Fill(dc, RECT{0, 0, client.right, top}, kHeaderFill);
    DrawTextIn(dc, model_->DayText(), RECT{Scale(175), 0, client.right - Scale(5), top}, kWhite,
               DT_RIGHT | DT_VCENTER);
  }
  RECT header{0, top, client.right, top + Scale(kBandHeight)};
  Fill(dc, header, kBandFill);
  for (int day = 1; day <= 7; ++day) {
    RECT title{Scale((day - 1) * kCellWidth), header.top, Scale(day * kCellWidth), header.bottom};
    DrawTextIn(dc, WeekdayName(day), title, day >= 6 ? kWeekendTitle : kWhite,
               DT_CENTER | DT_VCENTER);
  }
  for (int i = 0; i < CnMonthCalendar::kCellCount; ++i) PaintCell(dc, i);
  RECT footer{0, Scale(GridTop() + kBandHeight + 6 * kRowHeight) + 1, client.right, client.bottom};
  Fill(dc, footer, kBandFill);
  RECT footerText{footer.left + Scale(5), footer.top, footer.right - Scale(5), footer.bottom};
  DrawTextIn(dc, model_->MonthTermsText(), footerText, kWhite, DT_LEFT | DT_VCENTER);
  DrawTextIn(dc, model_->HoverText(), footerText, kWhite, DT_RIGHT | DT_VCENTER);
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

LRESULT CALLBACK CalendarWindow::WindowProc(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam) {
  auto* unit = reinterpret_cast<CalendarWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!unit) return DefWindowProcW(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    DeleteObject(unit->font_);
    delete unit;
    return DefWindowProcW(window, message, wParam, lParam);
  }
  return unit->Handle(message, wParam, lParam);
}

LRESULT CalendarWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(window_, &paint);
      // Draw off screen so that hovering does not flicker.
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
      return 0;
    }
    case WM_ERASEBKGND:
      return 1;
    case WM_MOUSEMOVE: {
      if (!trackingLeave_) {
        TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, window_, 0};
        trackingLeave_ = TrackMouseEvent(&track);
      }
      int before = model_->HoverCell();
      std::string hoverBefore = model_->HoverText();
      model_->PointerMoved(CellAt(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)));
      if (before != model_->HoverCell() || hoverBefore != model_->HoverText()) {
        InvalidateRect(window_, nullptr, FALSE);
      }
      return 0;
    }
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
    case kQueuedEventsMessage: {
      std::vector<CalendarEvent> events;
      events.swap(queued_);
      if (!events.empty()) SyncLists();
      for (const CalendarEvent& event : events) {
        if (onEvent_) onEvent_(event);
      }
      return 0;
    }
    default:
      return DefWindowProcW(window_, message, wParam, lParam);
  }
}

}  // namespace memo
