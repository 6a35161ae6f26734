#include "calendar/calendar_model.h"

#include <cstdio>
#include <cstring>

#include "lunar/lunar_texts.h"

namespace memo {
namespace {

constexpr int kLastSelectableYear = 2048;

bool BeforeEpoch(int year, int month, int day) {
  return CompareYmd(year, month, day, 1901, 2, 19) < 0;
}

template <typename T>
void Put(std::string& bytes, T value) {
  char raw[sizeof(T)];
  std::memcpy(raw, &value, sizeof(T));  // little-endian on every target we build for
  bytes.append(raw, sizeof(T));
}

template <typename T>
bool Take(const std::string& bytes, size_t& at, T& value) {
  if (bytes.size() - at < sizeof(T) || at > bytes.size()) return false;
  std::memcpy(&value, bytes.data() + at, sizeof(T));
  at += sizeof(T);
  return true;
}

}  // namespace

std::string CalendarStoredData::Serialize() const {
  std::string bytes;
  Put(bytes, version);
  Put(bytes, date);
  Put(bytes, solarMode);
  Put(bytes, static_cast<int32_t>(textTemplate.size()));
  bytes += textTemplate;
  if (version >= 2) Put(bytes, showLists);
  return bytes;
}

bool CalendarStoredData::Parse(const std::string& bytes, CalendarStoredData& out) {
  CalendarStoredData data;
  size_t at = 0;
  int32_t length = 0;
  if (!Take(bytes, at, data.version) || !Take(bytes, at, data.date) ||
      !Take(bytes, at, data.solarMode) || !Take(bytes, at, length) || length < 0 ||
      bytes.size() - at < static_cast<size_t>(length)) {
    return false;
  }
  data.textTemplate = bytes.substr(at, length);
  at += length;
  if (data.version >= 2 && !Take(bytes, at, data.showLists)) return false;
  out = data;
  return true;
}

CnMonthCalendar::CnMonthCalendar(DateTime today, const CalendarStoredData& stored,
                                 CalendarEventSink* sink)
    : sink_(nullptr) {
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
  SetTextProperty(25, stored.textTemplate);
}

bool CnMonthCalendar::SelectDate(int year, int month, int day, bool notify) {
  if (month < 1 || month > 12 || year > kLastSelectableYear || BeforeEpoch(year, month, day) ||
      day == 0 || day > SolarMonthDays(year, month)) {
    return false;
  }
  if (!notify && year == selected_.year && month == selected_.month && day == selected_.day) {
    return true;
  }
  selected_ = SolarDate{static_cast<uint16_t>(year), static_cast<uint16_t>(month),
                        static_cast<uint16_t>(day)};
  LunarFromSolar(selected_.year, selected_.month, selected_.day, selectedLunar_);
  BuildCells();
  if (notify) Notify(CalendarEvent{2}, true);
  return true;
}

bool CnMonthCalendar::SelectLunarDate(int year, int month, int day, bool leap, bool notify) {
  if (year < 1901 || year > 2049 || month < 1 || month > 12) return false;
  if (month != LeapMonthOf(year)) leap = false;
  if (day == 0 || day > LunarMonthDays(year, month, leap)) return false;
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
    cell.weekday = WeekdayOf(y, m, d);
    cell.solarTerm = SolarTermOfDate(y, m, d);
    cell.inMonth = solarMode_ ? m == selected_.month
                              : cell.hasLunar && cell.lunar.month == selectedLunar_.month &&
                                    cell.lunar.isLeapMonth == selectedLunar_.isLeapMonth;
    if (cell.inMonth && cell.solarTerm != 0) {
      if (!monthTermsText_.empty()) monthTermsText_ += "  ";
      monthTermsText_ += LunarDayName(cell.lunar.day) + SolarTermName(cell.solarTerm);
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

void CnMonthCalendar::ResetListsAndDayText() {
  FillYearList();
  int year = solarMode_ ? selected_.year : selectedLunar_.year;
  yearEntry_ = year - kFirstListYear;
  if (yearEntry_ < 0 || yearEntry_ >= kListYears) yearEntry_ = -1;
  FillMonthList(year);
  if (solarMode_) {
    monthEntry_ = selected_.month - 1;
  } else {
    int leapMonth = LeapMonthOf(selectedLunar_.year);
    bool afterLeap = leapMonth != 0 && leapMonth != 0xFFFF &&
                     (leapMonth < selectedLunar_.month ||
                      (leapMonth == selectedLunar_.month && selectedLunar_.isLeapMonth));
    monthEntry_ = selectedLunar_.month - 1 + (afterLeap ? 1 : 0);
  }
  dayText_ = FormatLunarDay(selected_.year, selected_.month, selected_.day, template_);
}

void CnMonthCalendar::ChooseYear(int entry) {
  if (entry < 0 || entry >= kListYears) return;
  yearEntry_ = entry;
  int year = kFirstListYear + entry;
  FillMonthList(year);
  if (solarMode_) {
    monthEntry_ = selected_.month - 1;
  } else if (monthEntry_ < 0 || monthEntry_ >= static_cast<int>(monthEntries_.size())) {
    monthEntry_ = 0;
  }
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

void CnMonthCalendar::Notify(const CalendarEvent& event, bool queued) {
  if (event.number == 2) ResetListsAndDayText();
  if (!sink_) return;
  if (queued) {
    sink_->Queue(event);
  } else {
    sink_->Raise(event);
  }
}

CalendarEvent CnMonthCalendar::LunarEvent(int number, const CalendarCell& cell) const {
  return CalendarEvent{number, cell.lunar.year, cell.lunar.month, cell.lunar.day,
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
    Notify(LunarEvent(1, target), false);
  } else {
    hoverCell_ = -1;
    hoverText_.clear();
  }
}

void CnMonthCalendar::LeftButtonReleased(int cell) {
  if (cell < 0 || cell >= kCellCount || !cells_[cell].inMonth) return;
  SolarDate day = cells_[cell].solar;
  if (!SelectDate(day.year, day.month, day.day, true)) return;
  Notify(CalendarEvent{0}, true);
}

void CnMonthCalendar::RightButtonReleased(int cell) {
  if (cell < 0 || cell >= kCellCount || !cells_[cell].inMonth || !cells_[cell].hasLunar) return;
  Notify(LunarEvent(3, cells_[cell]), false);
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

double CnMonthCalendar::NumberProperty(int number) const {
  switch (number) {
    case kSelectedDateProperty:
      return MakeDateTime(selected_.year, selected_.month, selected_.day, 23, 59, 59);
    case kLunarYearProperty:
      return selectedLunar_.year;
    case kLunarMonthProperty:
      return selectedLunar_.month;
    case kLunarDayProperty:
      return selectedLunar_.day;
    case kLeapMonthProperty:
      return selectedLunar_.isLeapMonth ? 1 : 0;
    case kSolarModeProperty:
      return solarMode_ ? 1 : 0;
    case 19:
      return WeekdayOf(selected_.year, selected_.month, selected_.day);
    case 20:
      return LunarMonthDays(selectedLunar_.year, selectedLunar_.month, selectedLunar_.isLeapMonth);
    case 21:
      return LunarYearDays(selectedLunar_.year);
    case 29:
      return showLists_;
    default:
      return 0;
  }
}

std::string CnMonthCalendar::TextProperty(int number) const {
  const SolarDate& s = selected_;
  switch (number) {
    case 14:
      return FormatLunarDay(s.year, s.month, s.day, "%Y");
    case 15:
      return LunarMonthName(selectedLunar_.month, selectedLunar_.isLeapMonth);
    case 16:
      return LunarDayName(selectedLunar_.day);
    case 17:
      return FormatLunarDay(s.year, s.month, s.day, "%S");
    case 18:
      return SolarTermName(SolarTermOfDate(s.year, s.month, s.day));
    case 25:
      return template_;
    case 26:
      return dayText_;
    default:
      return std::string();
  }
}

void CnMonthCalendar::SetNumberProperty(int number, double value) {
  int whole = static_cast<int>(TruncateToInteger(value));
  LunarDate target = selectedLunar_;
  switch (number) {
    case kSelectedDateProperty: {
      int year = YearOf(value);
      if (year >= 1901 && year <= 2049) SelectDate(year, MonthOf(value), DayOf(value), true);
      return;
    }
    case kLunarYearProperty:
      target.year = static_cast<uint16_t>(whole);
      break;
    case kLunarMonthProperty:
      target.month = static_cast<uint16_t>(whole);
      break;
    case kLunarDayProperty:
      target.day = static_cast<uint16_t>(whole);
      break;
    case kLeapMonthProperty:
      target.isLeapMonth = whole == 1;
      break;
    case kSolarModeProperty:
      SetSolarMode(whole == 1);
      return;
    case 29:
      showLists_ = whole;
      return;
    default:
      return;
  }
  SelectLunarDate(target.year, target.month, target.day, target.isLeapMonth, true);
}

void CnMonthCalendar::SetTextProperty(int number, const std::string& value) {
  if (number != 25) return;
  template_ = value;
  dayText_ = FormatLunarDay(selected_.year, selected_.month, selected_.day, template_);
}

}  // namespace memo
