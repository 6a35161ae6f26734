// The lunar month calendar without its window: the selected day, the 42 day cells of the
// month shown (solar or lunar month), the year and month lists, the footer texts and the
// events. The "CCalendar" window draws it and feeds it the mouse; everything it decides is
// here, so it is tested without a window.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "datetime/day_number.h"
#include "lunar/lunar_engine.h"

namespace memo {

// What the calendar tells its owner.
enum class CalendarEvent {
  kDayPicked,         // a day of the month shown was clicked and is now selected
  kPointerOnDay,      // the pointer came onto a day of the month shown
  kSelectionChanged,  // by a click or a selection from outside, never by the lists
  kRightButtonOnDay,
};

struct CalendarCell {
  DayNumber day;
  CivilDate solar;                 // the day's fields, as the cell shows them
  std::optional<LunarDate> lunar;  // nothing outside the engine's days
  bool inMonth = false;
  bool selected = false;  // the selected day
  bool today = false;
};

// An event as it reaches the owner; the pointer and right-button events carry the lunar
// date of their day.
struct CalendarNotice {
  CalendarEvent event;
  LunarDate lunar;
};

// Receives the events: Raise delivers at once, Queue after the current message.
class CalendarEventSink {
 public:
  virtual ~CalendarEventSink() = default;
  virtual void Raise(const CalendarNotice& notice) = 0;
  virtual void Queue(const CalendarNotice& notice) = 0;
};

// What the calendar's form stores for it.
struct CalendarStoredData {
  DayNumber day;
  bool solarMode = false;    // the solar month shown rather than the lunar one
  std::string textTemplate;  // empty for kDefaultLunarTemplate
  bool showLists = true;     // the year and month lists above the grid
};

class LunarMonthCalendar {
 public:
  static constexpr int kCellCount = 42;

  // Starts on `today` without events, then applies the stored data.
  LunarMonthCalendar(DayNumber today, const CalendarStoredData& stored, CalendarEventSink* sink);

  // Selecting refuses days the calendar cannot show; true when the selection is valid.
  bool SelectDay(DayNumber day, bool notify);
  // A leap flag on a month that is not the year's leap month selects the ordinary month.
  bool SelectLunarDay(LunarDate date, bool notify);
  DayNumber SelectedDay() const { return selected_; }
  const LunarDate& SelectedLunarDay() const { return selectedLunar_; }

  bool SolarMode() const { return solarMode_; }
  void SetSolarMode(bool solar);
  bool ShowLists() const { return showLists_; }
  void SetShowLists(bool shown) { showLists_ = shown; }

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
  void BuildCells();
  void FillYearList();
  void FillMonthList(int lunarYear);
  int MonthEntryOf(int lunarYear) const;
  void ResetListsAndDayText();
  void ApplyLists();
  void Notify(const CalendarNotice& notice, bool queued);
  void SetTemplate(const std::string& textTemplate);

  CalendarEventSink* sink_;
  DayNumber today_;
  DayNumber selected_;
  LunarDate selectedLunar_;
  bool solarMode_ = false;
  bool showLists_ = true;
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
