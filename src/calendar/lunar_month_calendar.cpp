#include "calendar/lunar_month_calendar.h"

#include <algorithm>
#include <cstdio>

#include "lunar/date_names.h"
#include "lunar/lunar_template.h"
#include "lunar/solar_terms.h"

namespace memo {
namespace {

// The lists leave out the first and the last year, which the grid shows only in part.
constexpr int kFirstListYear = kFirstLunarYear + 1;
constexpr int kListYears = kLastEnteredLunarYear - 1 - kFirstListYear + 1;
constexpr int kDaysPerWeek = 7;

}  // namespace

LunarMonthCalendar::LunarMonthCalendar(DayNumber today, const CalendarStoredData& stored,
                                       CalendarEventSink* sink)
    : sink_(nullptr), today_(today) {
  // A clock outside the calendar's days starts it at the nearest end it can show.
  if (!SelectDay(today, false))
    SelectDay(today > kLastLunarDay ? kLastLunarDay : kFirstLunarDay, false);
  ResetListsAndDayText();
  sink_ = sink;
  SelectDay(stored.day, true);
  SetSolarMode(stored.solarMode);
  showLists_ = stored.showLists;
  SetTemplate(stored.textTemplate);
}

bool LunarMonthCalendar::SelectDay(DayNumber day, bool notify) {
  if (!day.ok() || day < kFirstLunarDay || day > kLastLunarDay) return false;
  if (!notify && day == selected_) return true;
  selected_ = day;
  selectedLunar_ = *LunarFromSolar(day);
  BuildCells();
  if (notify) Notify(CalendarNotice{CalendarEvent::kSelectionChanged, {}}, true);
  return true;
}

bool LunarMonthCalendar::SelectLunarDay(LunarDate date, bool notify) {
  if (LeapMonthOf(date.year) != date.month) date.isLeapMonth = false;
  if (date.day < 1 || date.day > LunarMonthDays(date.year, date.month, date.isLeapMonth)) {
    return false;
  }
  const std::optional<DayNumber> solar = SolarFromLunar(date);
  return solar && SelectDay(*solar, notify);
}

void LunarMonthCalendar::BuildCells() {
  const CivilDate selected = selected_.civil();
  DayNumber first = DayNumber::FromCivil(selected.year, selected.month, 1);
  if (!solarMode_) {
    LunarDate firstOfMonth = selectedLunar_;
    firstOfMonth.day = 1;
    first = SolarFromLunar(firstOfMonth).value_or(first);
  }
  const DayNumber start = first - (first.weekday() - 1);
  monthTermsText_.clear();
  for (int i = 0; i < kCellCount; ++i) {
    CalendarCell& cell = cells_[i];
    cell = CalendarCell{start + i, (start + i).civil(), LunarFromSolar(start + i)};
    cell.inMonth = solarMode_ ? cell.solar.month == selected.month
                              : cell.lunar && cell.lunar->month == selectedLunar_.month &&
                                    cell.lunar->isLeapMonth == selectedLunar_.isLeapMonth;
    cell.selected = cell.day == selected_;
    cell.today = cell.day == today_;
    const int term = SolarTermOfDate(cell.solar.year, cell.solar.month, cell.solar.day);
    if (cell.inMonth && term != 0) {
      if (!monthTermsText_.empty()) monthTermsText_ += "  ";
      monthTermsText_ += LunarDayName(cell.lunar ? cell.lunar->day : 0) + SolarTermName(term);
    }
  }
  hoverCell_ = -1;
  hoverText_.clear();
}

void LunarMonthCalendar::FillYearList() {
  yearEntries_.clear();
  char entry[32];
  for (int year = kFirstListYear; year < kFirstListYear + kListYears; ++year) {
    if (solarMode_) {
      std::snprintf(entry, sizeof entry, "公历 %d 年", year);
      yearEntries_.push_back(entry);
    } else {
      yearEntries_.push_back(FormatLunarDay(DayNumber::FromCivil(year, 5, 1), "%Y(%S)-%y"));
    }
  }
}

void LunarMonthCalendar::FillMonthList(int lunarYear) {
  monthEntries_.clear();
  if (solarMode_) {
    for (int month = 1; month <= 12; ++month) monthEntries_.push_back(SolarMonthName(month));
    return;
  }
  const int leapMonth = LeapMonthOf(lunarYear).value_or(0);
  for (int month = 1; month <= 12; ++month) {
    monthEntries_.push_back(LunarMonthName(month, false));
    if (month == leapMonth) monthEntries_.push_back(LunarMonthName(month, true));
  }
}

// The entry of the selected month in the month list of a year: in lunar mode it lies one
// place further when the year's leap month comes before it, or is it.
int LunarMonthCalendar::MonthEntryOf(int lunarYear) const {
  if (solarMode_) return selected_.civil().month - 1;
  const int leapMonth = LeapMonthOf(lunarYear).value_or(0);
  const bool afterLeap =
      leapMonth != 0 && (leapMonth < selectedLunar_.month ||
                         (leapMonth == selectedLunar_.month && selectedLunar_.isLeapMonth));
  return selectedLunar_.month - 1 + (afterLeap ? 1 : 0);
}

void LunarMonthCalendar::ResetListsAndDayText() {
  FillYearList();
  const int year = solarMode_ ? selected_.civil().year : selectedLunar_.year;
  yearEntry_ = year - kFirstListYear;
  if (yearEntry_ < 0 || yearEntry_ >= kListYears) yearEntry_ = -1;
  FillMonthList(year);
  monthEntry_ = MonthEntryOf(year);
  dayText_ = FormatLunarDay(selected_, template_);
}

// The selection always follows the lists, so the selected month is the month chosen.
void LunarMonthCalendar::ChooseYear(int entry) {
  if (entry < 0 || entry >= kListYears) return;
  yearEntry_ = entry;
  const int year = kFirstListYear + entry;
  FillMonthList(year);
  monthEntry_ = MonthEntryOf(year);
  ApplyLists();
}

void LunarMonthCalendar::ChooseMonth(int entry) {
  if (entry < 0 || entry >= static_cast<int>(monthEntries_.size())) return;
  monthEntry_ = entry;
  ApplyLists();
}

void LunarMonthCalendar::ApplyLists() {
  if (yearEntry_ < 0 || monthEntry_ < 0) return;
  const int year = kFirstListYear + yearEntry_;
  const int k = monthEntry_;
  if (solarMode_) {
    const int last = SolarMonthDays(year, k + 1);
    SelectDay(DayNumber::FromCivil(year, k + 1, std::min(selected_.civil().day, last)), false);
    return;
  }
  const int leapMonth = LeapMonthOf(year).value_or(0);
  LunarDate date{year, k + 1, selectedLunar_.day, false};
  if (leapMonth != 0 && k >= leapMonth) {
    date.month = k;
    date.isLeapMonth = k == leapMonth;
  }
  // Day 30 of a month that has 29 days this time.
  if (date.day > LunarMonthDays(year, date.month, date.isLeapMonth)) date.day = 29;
  SelectLunarDay(date, false);
}

void LunarMonthCalendar::SetSolarMode(bool solar) {
  solarMode_ = solar;
  BuildCells();
  ResetListsAndDayText();
}

void LunarMonthCalendar::Notify(const CalendarNotice& notice, bool queued) {
  if (notice.event == CalendarEvent::kSelectionChanged) ResetListsAndDayText();
  if (!sink_) return;
  if (queued) {
    sink_->Queue(notice);
  } else {
    sink_->Raise(notice);
  }
}

void LunarMonthCalendar::PointerMoved(int cell) {
  if (cell < 0 || cell >= kCellCount) {
    hoverCell_ = -1;
    hoverText_.clear();
    return;
  }
  if (cell == hoverCell_) return;
  const CalendarCell& target = cells_[cell];
  if (target.inMonth && target.lunar) {
    hoverCell_ = cell;
    hoverText_ = FormatLunarDay(target.day, kDefaultLunarTemplate);
    Notify(CalendarNotice{CalendarEvent::kPointerOnDay, *target.lunar}, false);
  } else {
    hoverCell_ = -1;
    hoverText_.clear();
  }
}

void LunarMonthCalendar::LeftButtonReleased(int cell) {
  if (cell < 0 || cell >= kCellCount || !cells_[cell].inMonth) return;
  if (!SelectDay(cells_[cell].day, true)) return;
  Notify(CalendarNotice{CalendarEvent::kDayPicked, {}}, true);
}

void LunarMonthCalendar::RightButtonReleased(int cell) {
  if (cell < 0 || cell >= kCellCount || !cells_[cell].inMonth || !cells_[cell].lunar) return;
  Notify(CalendarNotice{CalendarEvent::kRightButtonOnDay, *cells_[cell].lunar}, false);
}

std::string LunarMonthCalendar::UpperText(const CalendarCell& cell) {
  if (!cell.lunar) return std::string();
  return cell.lunar->day == 1 ? LunarMonthName(cell.lunar->month, cell.lunar->isLeapMonth)
                              : LunarDayName(cell.lunar->day);
}

std::string LunarMonthCalendar::LowerText(const CalendarCell& cell) {
  char text[16];
  if (cell.solar.day == 1) {
    std::snprintf(text, sizeof text, "%d.%d", cell.solar.month, 1);
  } else {
    std::snprintf(text, sizeof text, "%d", cell.solar.day);
  }
  return text;
}

void LunarMonthCalendar::SetTemplate(const std::string& textTemplate) {
  template_ = textTemplate;
  dayText_ = FormatLunarDay(selected_, template_);
}

}  // namespace memo
