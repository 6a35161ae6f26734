// The lunar month calendar on screen: a window of the class "CCalendar" that draws a
// CnMonthCalendar, feeds it the mouse and the two lists, and hands its events to the owner.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>

#include "lunar/calendar_model.h"

namespace memo {

class CalendarWindow {
 public:
  using EventHandler = std::function<void(const CalendarEvent&)>;

  // Creates the unit as a child of `parent` at the design position (96-DPI pixels; scaled
  // by the parent's DPI). Its events reach `onEvent` on the user-interface thread.
  static CalendarWindow* Create(HWND parent, int x, int y, int controlId,
                                const CalendarStoredData& stored, EventHandler onEvent);

  HWND Handle() const { return window_; }
  CnMonthCalendar& Model() { return *model_; }
  // Brings the lists and the picture up to date after the model was changed from outside.
  void Refresh();

  void SetNumberProperty(int number, double value);
  void SetTextProperty(int number, const std::string& value);

 private:
  class Sink;
  CalendarWindow() = default;
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
  void Paint(HDC dc);
  void PaintCell(HDC dc, int index);
  RECT CellRect(int index) const;
  int CellAt(int x, int y) const;
  int Scale(int designPixels) const;
  int GridTop() const;
  void Resize();
  void SyncLists();
  void OnListChosen(int controlId);

  HWND window_ = nullptr;
  HWND yearList_ = nullptr;
  HWND monthList_ = nullptr;
  HFONT font_ = nullptr;
  int dpi_ = 96;
  bool trackingLeave_ = false;
  std::unique_ptr<Sink> sink_;
  std::unique_ptr<CnMonthCalendar> model_;
  EventHandler onEvent_;
  std::vector<CalendarEvent> queued_;
};

}  // namespace memo
