// The lunar month calendar's behaviour without its window: cells, lists, properties,
// the pointer and the events.
#include "calendar/calendar_model.h"

#include <gtest/gtest.h>

#include <cmath>

#include "lunar/lunar_texts.h"

namespace memo {
namespace {

using Events = std::vector<CalendarEvent>;

struct RecordingSink : CalendarEventSink {
  struct Seen {
    bool queued;
    CalendarNotice notice;
  };
  std::vector<Seen> seen;
  void Raise(const CalendarNotice& notice) override { seen.push_back({false, notice}); }
  void Queue(const CalendarNotice& notice) override { seen.push_back({true, notice}); }
  Events EventsSeen() const {
    Events events;
    for (const auto& s : seen) events.push_back(s.notice.event);
    return events;
  }
};

CalendarStoredData Stored(DateTime date, int solarMode) {
  CalendarStoredData data;
  data.date = date;
  data.solarMode = solarMode;
  return data;
}

// The selection as the owner reads it, through the properties.
SolarDate Selected(const CnMonthCalendar& calendar) {
  const DateTime date = calendar.NumberProperty(CalendarProperty::kSelectedDate);
  return SolarDate{static_cast<uint16_t>(YearOf(date)), static_cast<uint16_t>(MonthOf(date)),
                   static_cast<uint16_t>(DayOf(date))};
}

LunarDate SelectedLunar(const CnMonthCalendar& calendar) {
  const auto read = [&calendar](CalendarProperty property) {
    return static_cast<uint16_t>(calendar.NumberProperty(property));
  };
  return LunarDate{read(CalendarProperty::kLunarYear), read(CalendarProperty::kLunarMonth),
                   read(CalendarProperty::kLunarDay), read(CalendarProperty::kLeapMonth) == 1};
}

bool SolarMode(const CnMonthCalendar& calendar) {
  return calendar.NumberProperty(CalendarProperty::kSolarMode) == 1;
}

int FindCell(const CnMonthCalendar& calendar, int year, int month, int day) {
  for (int i = 0; i < CnMonthCalendar::kCellCount; ++i) {
    const SolarDate& s = calendar.Cells()[i].solar;
    if (s.year == year && s.month == month && s.day == day) return i;
  }
  return -1;
}

TEST(CalendarModel, CreationSelectsTheStoredDateAndQueuesOneChange) {
  RecordingSink sink;
  CnMonthCalendar calendar(MakeDateTime(2024, 6, 1), Stored(MakeDateTime(2012, 1, 12), 0), &sink);
  EXPECT_EQ(Selected(calendar).year, 2012);
  EXPECT_EQ(Selected(calendar).month, 1);
  EXPECT_EQ(Selected(calendar).day, 12);
  EXPECT_FALSE(SolarMode(calendar));
  EXPECT_EQ(sink.EventsSeen(), Events{CalendarEvent::kSelectionChanged});
  EXPECT_TRUE(sink.seen[0].queued);
  EXPECT_EQ(calendar.DayText(), FormatLunarDay(2012, 1, 12, DefaultLunarTemplate));
  // A stored date the calendar cannot show leaves today selected.
  RecordingSink other;
  CnMonthCalendar fromToday(MakeDateTime(2024, 6, 1), Stored(MakeDateTime(1800, 1, 1), 1), &other);
  EXPECT_EQ(Selected(fromToday).year, 2024);
  EXPECT_TRUE(SolarMode(fromToday));
  EXPECT_TRUE(other.seen.empty());
}

TEST(CalendarModel, LunarLeapMonthGrid) {
  CnMonthCalendar calendar(MakeDateTime(2023, 3, 25), Stored(MakeDateTime(2023, 3, 25), 0),
                           nullptr);
  EXPECT_EQ(calendar.NumberProperty(CalendarProperty::kLeapMonth), 1);
  const auto& cells = calendar.Cells();
  EXPECT_EQ(WeekdayOf(cells[0].solar.year, cells[0].solar.month, cells[0].solar.day), 1);
  EXPECT_EQ(cells[0].solar.month, 3);
  EXPECT_EQ(cells[0].solar.day, 20);
  int first = FindCell(calendar, 2023, 3, 22), last = FindCell(calendar, 2023, 4, 19);
  ASSERT_EQ(first, 2);
  ASSERT_EQ(last, 30);
  for (int i = 0; i < CnMonthCalendar::kCellCount; ++i) {
    EXPECT_EQ(cells[i].inMonth, i >= first && i <= last) << i;
  }
  EXPECT_EQ(CnMonthCalendar::UpperText(cells[first]), "闰二月");
  EXPECT_EQ(CnMonthCalendar::UpperText(cells[first + 1]), "初二");
  ASSERT_EQ(calendar.MonthEntries().size(), 13u);
  EXPECT_EQ(calendar.MonthEntries()[2], "闰二月");
  EXPECT_EQ(calendar.MonthEntry(), 2);
  EXPECT_EQ(calendar.YearEntry(), 2023 - 1902);
  EXPECT_EQ(calendar.YearEntries().size(), 146u);
  EXPECT_EQ(calendar.YearEntries()[2024 - 1902], "甲辰(龙)-2024");
}

TEST(CalendarModel, FirstCellIsAlwaysAMonday) {
  for (int mode = 0; mode <= 1; ++mode) {
    CnMonthCalendar calendar(MakeDateTime(2000, 1, 1), Stored(MakeDateTime(2000, 1, 1), mode),
                             nullptr);
    for (int year = 1902; year <= 2047; year += 7) {
      for (int month = 1; month <= 12; ++month) {
        ASSERT_TRUE(calendar.SelectDate(year, month, 15, false));
        const auto& cells = calendar.Cells();
        EXPECT_EQ(WeekdayOf(cells[0].solar.year, cells[0].solar.month, cells[0].solar.day), 1);
        // The first in-month cell lies in the first row.
        int firstIn = 0;
        while (!cells[firstIn].inMonth) ++firstIn;
        EXPECT_LT(firstIn, 7) << year << "-" << month << " mode " << mode;
      }
    }
  }
  // 2024-01-01 is a Monday: the month starts in the first cell.
  CnMonthCalendar solar(MakeDateTime(2024, 1, 10), Stored(MakeDateTime(2024, 1, 10), 1), nullptr);
  EXPECT_EQ(FindCell(solar, 2024, 1, 1), 0);
  EXPECT_EQ(CnMonthCalendar::LowerText(solar.Cells()[0]), "1.1");
  EXPECT_EQ(CnMonthCalendar::LowerText(solar.Cells()[1]), "2");
}

TEST(CalendarModel, FooterNamesTheTermsOfTheMonthShown) {
  CnMonthCalendar calendar(MakeDateTime(2024, 1, 15), Stored(MakeDateTime(2024, 1, 15), 1),
                           nullptr);
  EXPECT_EQ(calendar.MonthTermsText(), "廿五小寒  初十大寒");
  // The lunar 腊月 around it: 2024-01-11 .. 2024-02-09; 小寒 falls before it.
  calendar.SetSolarMode(false);
  EXPECT_EQ(calendar.MonthTermsText(), "初十大寒  廿五立春");
}

TEST(CalendarModel, ClicksSelectOnlyDaysOfTheMonth) {
  RecordingSink sink;
  CnMonthCalendar calendar(MakeDateTime(2023, 3, 25), Stored(MakeDateTime(2023, 3, 25), 0), &sink);
  sink.seen.clear();
  calendar.LeftButtonReleased(0);  // 2023-03-20, still the ordinary second month: grey
  calendar.RightButtonReleased(0);
  calendar.PointerMoved(0);
  EXPECT_TRUE(sink.seen.empty());
  EXPECT_EQ(Selected(calendar).day, 25);
  EXPECT_EQ(calendar.HoverText(), "");

  int cell = FindCell(calendar, 2023, 4, 1);
  calendar.PointerMoved(cell);
  ASSERT_EQ(sink.seen.size(), 1u);
  EXPECT_FALSE(sink.seen[0].queued);
  EXPECT_EQ(sink.seen[0].notice.event, CalendarEvent::kPointerOnDay);
  EXPECT_EQ(sink.seen[0].notice.lunarYear, 2023);
  EXPECT_EQ(sink.seen[0].notice.lunarMonth, 2);
  EXPECT_EQ(sink.seen[0].notice.lunarDay, 11);
  EXPECT_EQ(sink.seen[0].notice.leap, 1);
  EXPECT_EQ(calendar.HoverText(), FormatLunarDay(2023, 4, 1, DefaultLunarTemplate));
  calendar.PointerMoved(cell);  // the same cell again raises nothing
  EXPECT_EQ(sink.seen.size(), 1u);
  calendar.PointerMoved(-1);
  EXPECT_EQ(calendar.HoverCell(), -1);
  EXPECT_EQ(calendar.HoverText(), "");

  sink.seen.clear();
  calendar.LeftButtonReleased(cell);
  EXPECT_EQ(sink.EventsSeen(),
            (Events{CalendarEvent::kSelectionChanged, CalendarEvent::kDayPicked}));
  EXPECT_TRUE(sink.seen[0].queued && sink.seen[1].queued);
  EXPECT_EQ(Selected(calendar).month, 4);
  EXPECT_EQ(Selected(calendar).day, 1);

  sink.seen.clear();
  calendar.RightButtonReleased(cell);
  EXPECT_EQ(sink.EventsSeen(), Events{CalendarEvent::kRightButtonOnDay});
  EXPECT_EQ(sink.seen[0].notice.lunarDay, 11);
  EXPECT_EQ(Selected(calendar).day, 1);
}

TEST(CalendarModel, SolarListsLowerTheDayToTheMonthsEnd) {
  CnMonthCalendar calendar(MakeDateTime(2024, 1, 31), Stored(MakeDateTime(2024, 1, 31), 1),
                           nullptr);
  EXPECT_EQ(calendar.YearEntries()[0], "公历 1902 年");
  EXPECT_EQ(calendar.MonthEntries()[0], "一月");
  calendar.ChooseMonth(1);
  EXPECT_EQ(Selected(calendar).month, 2);
  EXPECT_EQ(Selected(calendar).day, 29);
  calendar.SelectDate(2023, 1, 31, true);  // a notified change sets the lists back
  calendar.ChooseMonth(1);
  EXPECT_EQ(Selected(calendar).day, 28);
  calendar.ChooseYear(2030 - 1902);
  EXPECT_EQ(Selected(calendar).year, 2030);
  EXPECT_EQ(Selected(calendar).month, 2);
}

TEST(CalendarModel, LunarListsFollowTheLeapMonthAndLowerDayThirty) {
  // Solar 2023-03-21 is lunar 2023-02-30: the ordinary second month has 30 days.
  CnMonthCalendar calendar(MakeDateTime(2023, 3, 21), Stored(MakeDateTime(2023, 3, 21), 0),
                           nullptr);
  ASSERT_EQ(SelectedLunar(calendar).day, 30);
  std::string dayText = calendar.DayText();
  calendar.ChooseMonth(2);  // 闰二月, 29 days
  EXPECT_EQ(SelectedLunar(calendar).month, 2);
  EXPECT_TRUE(SelectedLunar(calendar).isLeapMonth);
  EXPECT_EQ(SelectedLunar(calendar).day, 29);
  EXPECT_EQ(calendar.DayText(), dayText);  // list choices leave the day text alone
  calendar.ChooseMonth(3);                 // 三月
  EXPECT_EQ(SelectedLunar(calendar).month, 3);
  EXPECT_FALSE(SelectedLunar(calendar).isLeapMonth);
  // A year without a leap month has 12 entries; the chosen month stays chosen.
  calendar.ChooseYear(2024 - 1902);
  EXPECT_EQ(calendar.MonthEntries().size(), 12u);
  EXPECT_EQ(calendar.MonthEntry(), 2);
  EXPECT_EQ(SelectedLunar(calendar).year, 2024);
  EXPECT_EQ(SelectedLunar(calendar).month, 3);
}

// Another year keeps the month chosen by its number and leap flag, wherever the year's leap
// month moves its entry; a leap month the year lacks becomes its ordinary month.
TEST(CalendarModel, ChoosingAYearKeepsTheMonth) {
  const struct {
    int year, month;
    bool leap;
    int toYear;
    int entry;  // of the month in the new year's list
    int month2;
    bool leap2;
  } cases[] = {
      {2023, 11, false, 2024, 10, 11, false},  // 冬月; 2023 has a leap month before it
      {2024, 11, false, 2023, 11, 11, false},
      {2023, 2, true, 2024, 1, 2, false},  // 闰二月 in a year without one: 二月
      {2023, 2, true, 2004, 2, 2, true},   // 2004 has its own 闰二月
      {2023, 2, false, 2004, 1, 2, false},
      {2023, 3, false, 2020, 2, 3, false},  // 2020's leap month is the fourth
      {2020, 4, true, 2023, 4, 4, false},
  };
  for (const auto& c : cases) {
    CnMonthCalendar calendar(MakeDateTime(2024, 1, 1), Stored(MakeDateTime(2024, 1, 1), 0),
                             nullptr);
    calendar.SetNumberProperty(CalendarProperty::kLunarYear, c.year);
    calendar.SetNumberProperty(CalendarProperty::kLunarMonth, c.month);
    calendar.SetNumberProperty(CalendarProperty::kLeapMonth, c.leap ? 1 : 0);
    calendar.ChooseYear(c.toYear - 1902);
    const LunarDate chosen = SelectedLunar(calendar);
    EXPECT_EQ(calendar.MonthEntry(), c.entry) << c.year << "-" << c.month << " " << c.toYear;
    EXPECT_EQ(std::vector<int>({chosen.year, chosen.month, chosen.isLeapMonth}),
              std::vector<int>({c.toYear, c.month2, c.leap2}))
        << c.year << "-" << c.month << " " << c.toYear;
  }
}

TEST(CalendarModel, CellsMarkTheSelectedDayAndToday) {
  CnMonthCalendar calendar(MakeDateTime(2024, 5, 20), Stored(MakeDateTime(2024, 5, 3), 1), nullptr);
  const auto marked = [&calendar](bool CalendarCell::*mark) {
    std::vector<int> cells;
    for (int i = 0; i < CnMonthCalendar::kCellCount; ++i) {
      if (calendar.Cells()[i].*mark) cells.push_back(i);
    }
    return cells;
  };
  // May 2024 begins on a Wednesday, in cell 2.
  EXPECT_EQ(marked(&CalendarCell::selected), std::vector<int>{4});
  EXPECT_EQ(marked(&CalendarCell::today), std::vector<int>{21});
  calendar.LeftButtonReleased(21);
  EXPECT_EQ(marked(&CalendarCell::selected), std::vector<int>{21});
  calendar.ChooseMonth(6);  // July, without today
  EXPECT_EQ(marked(&CalendarCell::selected), std::vector<int>{FindCell(calendar, 2024, 7, 20)});
  EXPECT_TRUE(marked(&CalendarCell::today).empty());
}

TEST(CalendarModel, PropertiesReadAndRefuse) {
  using P = CalendarProperty;
  RecordingSink sink;
  CnMonthCalendar calendar(MakeDateTime(2024, 2, 10), Stored(MakeDateTime(2024, 2, 10), 0), &sink);
  calendar.SetNumberProperty(P::kSelectedDate, MakeDateTime(2024, 2, 10));
  EXPECT_EQ(DateToText(calendar.NumberProperty(P::kSelectedDate)), "2024年2月10日23时59分59秒");
  struct PropertyValue {
    CalendarProperty property;
    double value;
  };
  const PropertyValue reads[] = {
      {P::kLunarYear, 2024},    {P::kLunarMonth, 1},      {P::kLunarDay, 1},
      {P::kLeapMonth, 0},       {P::kSolarMode, 0},       {P::kWeekday, 6},
      {P::kLunarMonthDays, 29}, {P::kLunarYearDays, 354}, {P::kShowLists, 1},
  };
  for (const auto& read : reads) {
    EXPECT_EQ(calendar.NumberProperty(read.property), read.value)
        << static_cast<int>(read.property);
  }
  EXPECT_EQ(calendar.DayText(), "甲辰年(龙)正月初一 2024-2-10");

  sink.seen.clear();
  const PropertyValue refused[] = {
      {P::kSelectedDate, MakeDateTime(2049, 3, 1)},  // beyond the grid's last day
      {P::kSelectedDate, MakeDateTime(1900, 3, 1)},
      {P::kSelectedDate, 1e300},
      {P::kLunarDay, 30},  // 正月 2024 has 29 days
      {P::kLunarDay, -65535},
      {P::kLunarMonth, 13},
      {P::kLunarMonth, 4294967297.0},  // 2^32 + 1
      {P::kLunarYear, 2024 + 65536},
      {P::kLunarYear, 1e300},
      {P::kLunarYear, std::nan("")},
      {P::kWeekday, 1},
  };
  for (const auto& set : refused) {
    calendar.SetNumberProperty(set.property, set.value);
    EXPECT_EQ(DateToText(calendar.NumberProperty(P::kSelectedDate)), "2024年2月10日23时59分59秒")
        << static_cast<int>(set.property) << " " << set.value;
  }
  EXPECT_TRUE(sink.seen.empty());

  calendar.SetNumberProperty(P::kLunarYear, 2023);
  calendar.SetNumberProperty(P::kLunarMonth, 2);
  calendar.SetNumberProperty(P::kLeapMonth, 1);
  EXPECT_EQ(Selected(calendar).month, 3);
  EXPECT_EQ(Selected(calendar).day, 22);
  EXPECT_EQ(calendar.NumberProperty(P::kLeapMonth), 1);
  calendar.SetNumberProperty(P::kLeapMonth, 2);  // only 1 means leap
  EXPECT_EQ(Selected(calendar).month, 2);
  EXPECT_EQ(sink.EventsSeen(), Events(4, CalendarEvent::kSelectionChanged));

  calendar.SetNumberProperty(P::kSolarMode, 1);
  EXPECT_TRUE(SolarMode(calendar));
  EXPECT_EQ(calendar.YearEntries()[0], "公历 1902 年");
  calendar.SetNumberProperty(P::kSolarMode, 2);
  EXPECT_FALSE(SolarMode(calendar));
  calendar.SetNumberProperty(P::kShowLists, 0);
  EXPECT_FALSE(calendar.ShowLists());
}

TEST(CalendarModel, YearsAtTheEdgesHaveNoCurrentYearEntry) {
  CnMonthCalendar calendar(MakeDateTime(2048, 12, 31), Stored(MakeDateTime(2048, 12, 31), 1),
                           nullptr);
  EXPECT_EQ(calendar.YearEntry(), -1);
  // December 2048 runs past the last convertible day: those cells have no lunar text.
  const auto& cells = calendar.Cells();
  int last = FindCell(calendar, 2048, 12, 31);
  ASSERT_GE(last, 0);
  ASSERT_LT(last + 1, CnMonthCalendar::kCellCount);
  EXPECT_FALSE(cells[last + 1].hasLunar);
  EXPECT_EQ(CnMonthCalendar::UpperText(cells[last + 1]), "");
  calendar.LeftButtonReleased(last + 1);
  EXPECT_EQ(Selected(calendar).year, 2048);
}

TEST(CalendarModel, StoredTemplateAndListsAreApplied) {
  CalendarStoredData data = Stored(MakeDateTime(2012, 1, 12), 0);
  data.textTemplate = "%y年%m月%d日 %Y年";
  data.showLists = 0;
  CnMonthCalendar calendar(MakeDateTime(2024, 6, 1), data, nullptr);
  EXPECT_EQ(calendar.DayText(), "2012年1月12日 辛卯年");
  EXPECT_FALSE(calendar.ShowLists());
  EXPECT_EQ(calendar.NumberProperty(CalendarProperty::kShowLists), 0);
  // The template names every later selection too.
  calendar.SelectDate(2023, 2, 20, true);
  EXPECT_EQ(calendar.DayText(), "2023年2月20日 癸卯年");
}

}  // namespace
}  // namespace memo
