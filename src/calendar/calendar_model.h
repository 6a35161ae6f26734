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

// The numbers of the properties the add window sets and reads.
enum CalendarProperty : int {
  kSelectedDateProperty = 8,
  kLunarYearProperty = 9,
  kLunarMonthProperty = 10,
  kLunarDayProperty = 11,
  kLeapMonthProperty = 12,
  kSolarModeProperty = 13,
};

struct CalendarCell {
  SolarDate solar;
  bool hasLunar = false;  // false outside 1901-02-19 .. 2048-12-31
  LunarDate lunar;
  int weekday = 0;    // 1 = Monday .. 7 = Sunday
  int solarTerm = 0;  // 1..24, 0 for none
  bool inMonth = false;
};

struct CalendarEvent {
  int number;  // 0 day picked, 1 pointer onto a day, 2 selection changed, 3 right button
  int lunarYear = 0, lunarMonth = 0, lunarDay = 0, leap = 0;
};

// Receives the events: Raise delivers at once, Queue after the current message.
class CalendarEventSink {
 public:
  virtual ~CalendarEventSink() = default;
  virtual void Raise(const CalendarEvent& event) = 0;
  virtual void Queue(const CalendarEvent& event) = 0;
};

// What the unit's form stores: version 2, the date, the mode, the template, the lists flag.
struct CalendarStoredData {
  int32_t version = 2;
  DateTime date = 0.0;
  int32_t solarMode = 0;
  std::string textTemplate;
  int32_t showLists = 1;

  std::string Serialize() const;
  // False (and the value untouched) when the bytes are too short or inconsistent.
  static bool Parse(const std::string& bytes, CalendarStoredData& out);
};

class CnMonthCalendar {
 public:
  static constexpr int kCellCount = 42;
  static constexpr int kFirstListYear = 1902;
  static constexpr int kListYears = 146;

  // Starts on `today` (a local date) without events, then applies the stored data.
  CnMonthCalendar(DateTime today, const CalendarStoredData& stored, CalendarEventSink* sink);

  // Selecting refuses dates the calendar cannot show; true when the selection is valid.
  bool SelectDate(int year, int month, int day, bool notify);
  bool SelectLunarDate(int year, int month, int day, bool leap, bool notify);

  // Numbered properties as the application addresses them (8..29).
  double NumberProperty(int number) const;
  std::string TextProperty(int number) const;
  void SetNumberProperty(int number, double value);
  void SetTextProperty(int number, const std::string& value);

  bool SolarMode() const { return solarMode_; }
  void SetSolarMode(bool solar);
  bool ShowLists() const { return showLists_ != 0; }

  const SolarDate& Selected() const { return selected_; }
  const LunarDate& SelectedLunar() const { return selectedLunar_; }
  const std::array<CalendarCell, kCellCount>& Cells() const { return cells_; }
  const std::string& DayText() const { return dayText_; }
  const std::string& MonthTermsText() const { return monthTermsText_; }
  const std::string& HoverText() const { return hoverText_; }
  int HoverCell() const { return hoverCell_; }

  const std::vector<std::string>& YearEntries() const { return yearEntries_; }
  const std::vector<std::string>& MonthEntries() const { return monthEntries_; }
  int YearEntry() const { return yearEntry_; }    // -1 when none is current
  int MonthEntry() const { return monthEntry_; }  // -1 when none is current

  // The user's choices in the lists.
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
  void ResetListsAndDayText();
  void ApplyLists();
  void Notify(const CalendarEvent& event, bool queued);
  CalendarEvent LunarEvent(int number, const CalendarCell& cell) const;

  CalendarEventSink* sink_;
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
