// The lunar month calendar on screen: a window of the class "CCalendar" that draws a
// CnMonthCalendar, feeds it the mouse and the two lists, and hands its events to the owner.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <vector>

#include "calendar/calendar_model.h"
#include "ui/dpi.h"

namespace memo {

namespace ui {
class WindowBinding;
}

class CalendarWindow {
 public:
  using EventHandler = std::function<void(const CalendarNotice&)>;

  // Makes the unit as a hidden child of `parent` with this control id, sized for the
  // parent's DPI; the owner places it. Its events reach `onEvent` on the user-interface
  // thread. The object lives as long as its window.
  static CalendarWindow* Create(HWND parent, int controlId, const CalendarStoredData& stored,
                                EventHandler onEvent);

  HWND Handle() const { return window_; }
  double NumberProperty(CalendarProperty property) const {
    return model_->NumberProperty(property);
  }
  void SetNumberProperty(CalendarProperty property, double value);
  // The lists and the sizes follow the DPI the window is shown at; the font comes with
  // WM_SETFONT.
  void SetDpi(const ui::Dpi& dpi);

 private:
  class Sink;
  friend class ui::WindowBinding;
  CalendarWindow() = default;
  LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  // Hands the queued events to the owner once the message being handled is done.
  void DeliverQueuedLater();
  void DeliverQueued();
  // Brings the lists, the size and the picture up to date after the model changed.
  void Refresh();
  void OnPaint();
  void OnMouseMove(int x, int y);
  void Paint(HDC dc);
  void PaintCell(HDC dc, int index);
  RECT CellRect(int index) const;
  int CellAt(int x, int y) const;
  int GridTop() const;
  void Resize();
  void PlaceLists();
  void SyncLists();
  void OnListChosen(int controlId);

  HWND window_ = nullptr;
  HWND yearList_ = nullptr;
  HWND monthList_ = nullptr;
  HFONT font_ = nullptr;  // the unit's font, given by its window; not owned
  ui::Dpi dpi_;
  bool trackingLeave_ = false;
  std::unique_ptr<Sink> sink_;
  std::unique_ptr<CnMonthCalendar> model_;
  EventHandler onEvent_;
  std::vector<CalendarNotice> queued_;
};

}  // namespace memo
