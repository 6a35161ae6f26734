// The lunar month calendar without its window: the selected day, the 42 day cells of the
// month shown (solar or lunar month), the year and month lists, the footer texts, the
// numbered properties and the events. The "CCalendar" window draws it and feeds it the
// mouse; everything it decides is here, so it is tested without a window.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "datetime/date_time.h"
#include "lunar/lunar_engine.h"

namespace memo {

// The unit's own properties, numbered as its owner addresses them.
enum class CalendarProperty {
  kSelectedDate = 8,  // the selected day at 23:59:59
  kLunarYear = 9,
  kLunarMonth = 10,
  kLunarDay = 11,
  kLeapMonth = 12,       // 1 for a day of a leap month
  kSolarMode = 13,       // 1 shows the solar month, any other value the lunar month
  kWeekday = 19,         // read only: 1 = Monday .. 7 = Sunday
  kLunarMonthDays = 20,  // read only
  kLunarYearDays = 21,   // read only
  kShowLists = 29,       // non-zero shows the year and month lists
};

// The unit's events, numbered as its owner's handlers are bound.
enum class CalendarEvent {
  kDayPicked = 0,  // a day of the month shown was clicked and is now selected
  kPointerOnDay = 1,
  kSelectionChanged = 2,  // by a click or a property, never by the lists
  kRightButtonOnDay = 3,
};

struct CalendarCell {
  SolarDate solar;
  bool hasLunar = false;  // false outside 1901-02-19 .. 2048-12-31
  LunarDate lunar;
  bool inMonth = false;
  bool selected = false;  // the selected day
  bool today = false;
};

// An event as it reaches the owner; the pointer and right-button events carry the lunar
// date of their day.
struct CalendarNotice {
  CalendarEvent event;
  int lunarYear = 0, lunarMonth = 0, lunarDay = 0, leap = 0;
};

// Receives the events: Raise delivers at once, Queue after the current message.
class CalendarEventSink {
 public:
  virtual ~CalendarEventSink() = default;
  virtual void Raise(const CalendarNotice& notice) = 0;
  virtual void Queue(const CalendarNotice& notice) = 0;
};

// What the unit's form stores for it.
struct CalendarStoredData {
  DateTime date = 0.0;
  int32_t solarMode = 0;
  std::string textTemplate;  // empty for DefaultLunarTemplate
  int32_t showLists = 1;
};

class CnMonthCalendar {
 public:
  static constexpr int kCellCount = 42;

  // Starts on `today` (a local date) without events, then applies the stored data.
  CnMonthCalendar(DateTime today, const CalendarStoredData& stored, CalendarEventSink* sink);

  // Selecting refuses dates the calendar cannot show; true when the selection is valid.
  bool SelectDate(int year, int month, int day, bool notify);

  double NumberProperty(CalendarProperty property) const;
  // Read-only properties ignore the value.
  void SetNumberProperty(CalendarProperty property, double value);

  void SetSolarMode(bool solar);
  bool ShowLists() const { return showLists_ != 0; }

  const std::array<CalendarCell, kCellCount>& Cells() const { return cells_; }
  const std::string& DayText() const { return dayText_; }
  const std::string& MonthTermsText() const { return monthTermsText_; }
  const std::string& HoverText() const { return hoverText_; }
  int HoverCell() const { return hoverCell_; }

  const std::vector<std::string>& YearEntries() const { return yearEntries_; }
  const std::vector<std::string>& MonthEntries() const { return monthEntries_; }
  int YearEntry() const { return yearEntry_; }    // -1 when none is current
  int MonthEntry() const { return monthEntry_; }  // -1 when none is current

  // The user's choices in the lists. Another year keeps the month chosen, by its number and
  // leap flag; a leap month the year lacks becomes its ordinary month.
  void ChooseYear(int entry);
  void ChooseMonth(int entry);

  // The pointer and buttons over the grid; cell -1 means outside every cell.
  void PointerMoved(int cell);
  void LeftButtonReleased(int cell);
  void RightButtonReleased(int cell);

  // The texts a cell shows: its lunar day (or month name on day 1) and its solar day.
  static std::string UpperText(const CalendarCell& cell);
  static std::string LowerText(const CalendarCell& cell);

 private:
  bool SelectLunarDate(int year, int month, int day, bool leap, bool notify);
  void BuildCells();
  void FillYearList();
  void FillMonthList(int lunarYear);
  int MonthEntryOf(int lunarYear) const;
  void ResetListsAndDayText();
  void ApplyLists();
  void Notify(const CalendarNotice& notice, bool queued);
  CalendarNotice LunarNotice(CalendarEvent event, const CalendarCell& cell) const;
  void SetTemplate(const std::string& textTemplate);

  CalendarEventSink* sink_;
  SolarDate today_;
  SolarDate selected_;
  LunarDate selectedLunar_;
  bool solarMode_ = false;
  int32_t showLists_ = 1;
  std::string template_;
  std::string dayText_;
  std::array<CalendarCell, kCellCount> cells_{};
  std::string monthTermsText_;
  std::string hoverText_;
  int hoverCell_ = -1;
  std::vector<std::string> yearEntries_;
  std::vector<std::string> monthEntries_;
  int yearEntry_ = -1;
  int monthEntry_ = -1;
};

}  // namespace memo
