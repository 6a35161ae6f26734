#include "calendar/calendar_model.h"

#include <algorithm>
#include <cstdio>
#include <limits>

#include "lunar/lunar_texts.h"

namespace memo {
namespace {

constexpr int kLastSelectableYear = 2048;
// The lists leave out the first and the last year, which the grid shows only in part.
constexpr int kFirstListYear = 1902;
constexpr int kListYears = 146;

bool BeforeEpoch(int year, int month, int day) {
  return CompareYmd(year, month, day, 1901, 2, 19) < 0;
}

// A property's value as a whole number; values beyond int's range stay beyond every
// number a property accepts instead of wrapping into it.
int WholeNumber(double value) {
  const int64_t whole = TruncateToInteger(value);
  return static_cast<int>(
      std::clamp<int64_t>(whole, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

}  // namespace

CnMonthCalendar::CnMonthCalendar(DateTime today, const CalendarStoredData& stored,
                                 CalendarEventSink* sink)
    : sink_(nullptr),
      today_{static_cast<uint16_t>(YearOf(today)), static_cast<uint16_t>(MonthOf(today)),
             static_cast<uint16_t>(DayOf(today))} {
  // A clock outside the calendar's years starts it at the nearest end it can show.
  if (!SelectDate(YearOf(today), MonthOf(today), DayOf(today), false)) {
    if (YearOf(today) > kLastSelectableYear) {
      SelectDate(kLastSelectableYear, 12, 31, false);
    } else {
      SelectDate(1901, 2, 19, false);
    }
  }
  ResetListsAndDayText();
  sink_ = sink;
  DateTime date = stored.date;
  SelectDate(YearOf(date), MonthOf(date), DayOf(date), true);
  SetSolarMode(stored.solarMode == 1);
  showLists_ = stored.showLists;
  SetTemplate(stored.textTemplate);
}

bool CnMonthCalendar::SelectDate(int year, int month, int day, bool notify) {
  if (year < 1901 || year > kLastSelectableYear || month < 1 || month > 12 || day < 1 ||
      day > SolarMonthDays(year, month) || BeforeEpoch(year, month, day)) {
    return false;
  }
  if (!notify && year == selected_.year && month == selected_.month && day == selected_.day) {
    return true;
  }
  selected_ = SolarDate{static_cast<uint16_t>(year), static_cast<uint16_t>(month),
                        static_cast<uint16_t>(day)};
  LunarFromSolar(selected_.year, selected_.month, selected_.day, selectedLunar_);
  BuildCells();
  if (notify) Notify(CalendarNotice{CalendarEvent::kSelectionChanged}, true);
  return true;
}

bool CnMonthCalendar::SelectLunarDate(int year, int month, int day, bool leap, bool notify) {
  if (year < 1901 || year > 2049 || month < 1 || month > 12) return false;
  if (month != LeapMonthOf(year)) leap = false;
  if (day < 1 || day > LunarMonthDays(year, month, leap)) return false;
  SolarDate solar;
  if (!SolarFromLunar(year, month, day, leap, solar)) return false;
  return SelectDate(solar.year, solar.month, solar.day, notify);
}

void CnMonthCalendar::BuildCells() {
  SolarDate first{selected_.year, selected_.month, 1};
  if (!solarMode_) {
    SolarFromLunar(selectedLunar_.year, selectedLunar_.month, 1, selectedLunar_.isLeapMonth, first);
  }
  uint16_t y = first.year, m = first.month, d = first.day;
  StepSolarDays(y, m, d, 1 - WeekdayOf(y, m, d));
  monthTermsText_.clear();
  for (CalendarCell& cell : cells_) {
    cell = CalendarCell{};
    cell.solar = SolarDate{y, m, d};
    cell.hasLunar = LunarFromSolar(y, m, d, cell.lunar);
    cell.inMonth = solarMode_ ? m == selected_.month
                              : cell.hasLunar && cell.lunar.month == selectedLunar_.month &&
                                    cell.lunar.isLeapMonth == selectedLunar_.isLeapMonth;
    cell.selected = CompareYmd(y, m, d, selected_.year, selected_.month, selected_.day) == 0;
    cell.today = CompareYmd(y, m, d, today_.year, today_.month, today_.day) == 0;
    const int term = SolarTermOfDate(y, m, d);
    if (cell.inMonth && term != 0) {
      if (!monthTermsText_.empty()) monthTermsText_ += "  ";
      monthTermsText_ += LunarDayName(cell.lunar.day) + SolarTermName(term);
    }
    StepSolarDays(y, m, d, 1);
  }
  hoverCell_ = -1;
  hoverText_.clear();
}

void CnMonthCalendar::FillYearList() {
  yearEntries_.clear();
  char entry[32];
  for (int year = kFirstListYear; year < kFirstListYear + kListYears; ++year) {
    if (solarMode_) {
      std::snprintf(entry, sizeof entry, "公历 %d 年", year);
      yearEntries_.push_back(entry);
    } else {
      yearEntries_.push_back(FormatLunarDay(year, 5, 1, "%Y(%S)-%y"));
    }
  }
}

void CnMonthCalendar::FillMonthList(int lunarYear) {
  monthEntries_.clear();
  if (solarMode_) {
    for (int month = 1; month <= 12; ++month) monthEntries_.push_back(SolarMonthName(month));
    return;
  }
  int leapMonth = LeapMonthOf(lunarYear);
  for (int month = 1; month <= 12; ++month) {
    monthEntries_.push_back(LunarMonthName(month, false));
    if (month == leapMonth) monthEntries_.push_back(LunarMonthName(month, true));
  }
}

// The entry of the selected month in the month list of a year: in lunar mode it lies one
// place further when the year's leap month comes before it, or is it.
int CnMonthCalendar::MonthEntryOf(int lunarYear) const {
  if (solarMode_) return selected_.month - 1;
  const int leapMonth = LeapMonthOf(lunarYear);
  const bool afterLeap = leapMonth != 0 && leapMonth != 0xFFFF &&
                         (leapMonth < selectedLunar_.month ||
                          (leapMonth == selectedLunar_.month && selectedLunar_.isLeapMonth));
  return selectedLunar_.month - 1 + (afterLeap ? 1 : 0);
}

void CnMonthCalendar::ResetListsAndDayText() {
  FillYearList();
  int year = solarMode_ ? selected_.year : selectedLunar_.year;
  yearEntry_ = year - kFirstListYear;
  if (yearEntry_ < 0 || yearEntry_ >= kListYears) yearEntry_ = -1;
  FillMonthList(year);
  monthEntry_ = MonthEntryOf(year);
  dayText_ = FormatLunarDay(selected_.year, selected_.month, selected_.day, template_);
}

// The selection always follows the lists, so the selected month is the month chosen.
void CnMonthCalendar::ChooseYear(int entry) {
  if (entry < 0 || entry >= kListYears) return;
  yearEntry_ = entry;
  int year = kFirstListYear + entry;
  FillMonthList(year);
  monthEntry_ = MonthEntryOf(year);
  ApplyLists();
}

void CnMonthCalendar::ChooseMonth(int entry) {
  if (entry < 0 || entry >= static_cast<int>(monthEntries_.size())) return;
  monthEntry_ = entry;
  ApplyLists();
}

void CnMonthCalendar::ApplyLists() {
  if (yearEntry_ < 0 || monthEntry_ < 0) return;
  int year = kFirstListYear + yearEntry_;
  int k = monthEntry_;
  if (solarMode_) {
    int day = selected_.day;
    int last = SolarMonthDays(year, k + 1);
    SelectDate(year, k + 1, day > last ? last : day, false);
    return;
  }
  int leapMonth = LeapMonthOf(year);
  int month = k + 1;
  bool leap = false;
  if (leapMonth != 0 && k >= leapMonth) {
    month = k;
    leap = k == leapMonth;
  }
  int day = selectedLunar_.day;
  if (day > LunarMonthDays(year, month, leap)) day = 29;
  SelectLunarDate(year, month, day, leap, false);
}

void CnMonthCalendar::SetSolarMode(bool solar) {
  solarMode_ = solar;
  BuildCells();
  ResetListsAndDayText();
}

void CnMonthCalendar::Notify(const CalendarNotice& notice, bool queued) {
  if (notice.event == CalendarEvent::kSelectionChanged) ResetListsAndDayText();
  if (!sink_) return;
  if (queued) {
    sink_->Queue(notice);
  } else {
    sink_->Raise(notice);
  }
}

CalendarNotice CnMonthCalendar::LunarNotice(CalendarEvent event, const CalendarCell& cell) const {
  return CalendarNotice{event, cell.lunar.year, cell.lunar.month, cell.lunar.day,
                        cell.lunar.isLeapMonth ? 1 : 0};
}

void CnMonthCalendar::PointerMoved(int cell) {
  if (cell < 0 || cell >= kCellCount) {
    hoverCell_ = -1;
    hoverText_.clear();
    return;
  }
  if (cell == hoverCell_) return;
  const CalendarCell& target = cells_[cell];
  if (target.inMonth && target.hasLunar) {
    hoverCell_ = cell;
    hoverText_ = FormatLunarDay(target.solar.year, target.solar.month, target.solar.day,
                                DefaultLunarTemplate);
    Notify(LunarNotice(CalendarEvent::kPointerOnDay, target), false);
  } else {
    hoverCell_ = -1;
    hoverText_.clear();
  }
}

void CnMonthCalendar::LeftButtonReleased(int cell) {
  if (cell < 0 || cell >= kCellCount || !cells_[cell].inMonth) return;
  SolarDate day = cells_[cell].solar;
  if (!SelectDate(day.year, day.month, day.day, true)) return;
  Notify(CalendarNotice{CalendarEvent::kDayPicked}, true);
}

void CnMonthCalendar::RightButtonReleased(int cell) {
  if (cell < 0 || cell >= kCellCount || !cells_[cell].inMonth || !cells_[cell].hasLunar) return;
  Notify(LunarNotice(CalendarEvent::kRightButtonOnDay, cells_[cell]), false);
}

std::string CnMonthCalendar::UpperText(const CalendarCell& cell) {
  if (!cell.hasLunar) return std::string();
  return cell.lunar.day == 1 ? LunarMonthName(cell.lunar.month, cell.lunar.isLeapMonth)
                             : LunarDayName(cell.lunar.day);
}

std::string CnMonthCalendar::LowerText(const CalendarCell& cell) {
  char text[16];
  if (cell.solar.day == 1) {
    std::snprintf(text, sizeof text, "%d.%d", cell.solar.month, 1);
  } else {
    std::snprintf(text, sizeof text, "%d", cell.solar.day);
  }
  return text;
}

double CnMonthCalendar::NumberProperty(CalendarProperty property) const {
  switch (property) {
    case CalendarProperty::kSelectedDate:
      return MakeDateTime(selected_.year, selected_.month, selected_.day, 23, 59, 59);
    case CalendarProperty::kLunarYear:
      return selectedLunar_.year;
    case CalendarProperty::kLunarMonth:
      return selectedLunar_.month;
    case CalendarProperty::kLunarDay:
      return selectedLunar_.day;
    case CalendarProperty::kLeapMonth:
      return selectedLunar_.isLeapMonth ? 1 : 0;
    case CalendarProperty::kSolarMode:
      return solarMode_ ? 1 : 0;
    case CalendarProperty::kWeekday:
      return WeekdayOf(selected_.year, selected_.month, selected_.day);
    case CalendarProperty::kLunarMonthDays:
      return LunarMonthDays(selectedLunar_.year, selectedLunar_.month, selectedLunar_.isLeapMonth);
    case CalendarProperty::kLunarYearDays:
      return LunarYearDays(selectedLunar_.year);
    case CalendarProperty::kShowLists:
      return showLists_;
  }
  return 0;
}

void CnMonthCalendar::SetNumberProperty(CalendarProperty property, double value) {
  const int whole = WholeNumber(value);
  int year = selectedLunar_.year, month = selectedLunar_.month, day = selectedLunar_.day;
  bool leap = selectedLunar_.isLeapMonth;
  switch (property) {
    case CalendarProperty::kSelectedDate: {
      const int solarYear = YearOf(value);
      if (solarYear >= 1901 && solarYear <= 2049) {
        SelectDate(solarYear, MonthOf(value), DayOf(value), true);
      }
      return;
    }
    case CalendarProperty::kLunarYear:
      year = whole;
      break;
    case CalendarProperty::kLunarMonth:
      month = whole;
      break;
    case CalendarProperty::kLunarDay:
      day = whole;
      break;
    case CalendarProperty::kLeapMonth:
      leap = whole == 1;
      break;
    case CalendarProperty::kSolarMode:
      SetSolarMode(whole == 1);
      return;
    case CalendarProperty::kShowLists:
      showLists_ = whole;
      return;
    case CalendarProperty::kWeekday:
    case CalendarProperty::kLunarMonthDays:
    case CalendarProperty::kLunarYearDays:
      return;
  }
  SelectLunarDate(year, month, day, leap, true);
}

void CnMonthCalendar::SetTemplate(const std::string& textTemplate) {
  template_ = textTemplate;
  dayText_ = FormatLunarDay(selected_.year, selected_.month, selected_.day, template_);
}

}  // namespace memo
