// The lunar month calendar's behaviour without its window: cells, lists, properties,
// the pointer and the events.
#include "calendar/lunar_month_calendar.h"

#include <gtest/gtest.h>

#include <cmath>

#include "engine_date_text.h"
#include "lunar/lunar_template.h"

namespace memo {
namespace {

using Events = std::vector<CalendarEvent>;
using testing::Text;

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

DayNumber Day(int year, int month, int day) {
  return DayNumber::FromCivil(year, month, day);
}

CalendarStoredData Stored(DayNumber day, bool solarMode) {
  CalendarStoredData data;
  data.day = day;
  data.solarMode = solarMode;
  return data;
}

CivilDate Selected(const LunarMonthCalendar& calendar) {
  return calendar.SelectedDay().civil();
}

int FindCell(const LunarMonthCalendar& calendar, int year, int month, int day) {
  for (int i = 0; i < LunarMonthCalendar::kCellCount; ++i) {
    const CivilDate& s = calendar.Cells()[i].solar;
    if (s.year == year && s.month == month && s.day == day) return i;
  }
  return -1;
}

TEST(CalendarModel, CreationSelectsTheStoredDateAndQueuesOneChange) {
  RecordingSink sink;
  LunarMonthCalendar calendar(Day(2024, 6, 1), Stored(Day(2012, 1, 12), false), &sink);
  EXPECT_EQ(Selected(calendar).year, 2012);
  EXPECT_EQ(Selected(calendar).month, 1);
  EXPECT_EQ(Selected(calendar).day, 12);
  EXPECT_FALSE(calendar.SolarMode());
  EXPECT_EQ(sink.EventsSeen(), Events{CalendarEvent::kSelectionChanged});
  EXPECT_TRUE(sink.seen[0].queued);
  EXPECT_EQ(calendar.DayText(), FormatLunarDay(Day(2012, 1, 12), kDefaultLunarTemplate));
  // A stored date the calendar cannot show leaves today selected.
  RecordingSink other;
  LunarMonthCalendar fromToday(Day(2024, 6, 1), Stored(Day(1800, 1, 1), true), &other);
  EXPECT_EQ(Selected(fromToday).year, 2024);
  EXPECT_TRUE(fromToday.SolarMode());
  EXPECT_TRUE(other.seen.empty());
}

TEST(CalendarModel, LunarLeapMonthGrid) {
  LunarMonthCalendar calendar(Day(2023, 3, 25), Stored(Day(2023, 3, 25), false), nullptr);
  EXPECT_TRUE(calendar.SelectedLunarDay().isLeapMonth);
  const auto& cells = calendar.Cells();
  EXPECT_EQ(cells[0].day.weekday(), 1);
  EXPECT_EQ(cells[0].solar.month, 3);
  EXPECT_EQ(cells[0].solar.day, 20);
  int first = FindCell(calendar, 2023, 3, 22), last = FindCell(calendar, 2023, 4, 19);
  ASSERT_EQ(first, 2);
  ASSERT_EQ(last, 30);
  for (int i = 0; i < LunarMonthCalendar::kCellCount; ++i) {
    EXPECT_EQ(cells[i].inMonth, i >= first && i <= last) << i;
  }
  EXPECT_EQ(LunarMonthCalendar::UpperText(cells[first]), "闰二月");
  EXPECT_EQ(LunarMonthCalendar::UpperText(cells[first + 1]), "初二");
  ASSERT_EQ(calendar.MonthEntries().size(), 13u);
  EXPECT_EQ(calendar.MonthEntries()[2], "闰二月");
  EXPECT_EQ(calendar.MonthEntry(), 2);
  EXPECT_EQ(calendar.YearEntry(), 2023 - 1902);
  EXPECT_EQ(calendar.YearEntries().size(), 146u);
  EXPECT_EQ(calendar.YearEntries()[2024 - 1902], "甲辰(龙)-2024");
}

TEST(CalendarModel, FirstCellIsAlwaysAMonday) {
  for (int mode = 0; mode <= 1; ++mode) {
    LunarMonthCalendar calendar(Day(2000, 1, 1), Stored(Day(2000, 1, 1), mode == 1), nullptr);
    for (int year = 1902; year <= 2047; year += 7) {
      for (int month = 1; month <= 12; ++month) {
        ASSERT_TRUE(calendar.SelectDay(Day(year, month, 15), false));
        const auto& cells = calendar.Cells();
        EXPECT_EQ(cells[0].day.weekday(), 1);
        // The first in-month cell lies in the first row.
        int firstIn = 0;
        while (!cells[firstIn].inMonth) ++firstIn;
        EXPECT_LT(firstIn, 7) << year << "-" << month << " mode " << mode;
      }
    }
  }
  // 2024-01-01 is a Monday: the month starts in the first cell.
  LunarMonthCalendar solar(Day(2024, 1, 10), Stored(Day(2024, 1, 10), true), nullptr);
  EXPECT_EQ(FindCell(solar, 2024, 1, 1), 0);
  EXPECT_EQ(LunarMonthCalendar::LowerText(solar.Cells()[0]), "1.1");
  EXPECT_EQ(LunarMonthCalendar::LowerText(solar.Cells()[1]), "2");
}

TEST(CalendarModel, FooterNamesTheTermsOfTheMonthShown) {
  LunarMonthCalendar calendar(Day(2024, 1, 15), Stored(Day(2024, 1, 15), true), nullptr);
  EXPECT_EQ(calendar.MonthTermsText(), "廿五小寒  初十大寒");
  // The lunar 腊月 around it: 2024-01-11 .. 2024-02-09; 小寒 falls before it.
  calendar.SetSolarMode(false);
  EXPECT_EQ(calendar.MonthTermsText(), "初十大寒  廿五立春");
}

TEST(CalendarModel, ClicksSelectOnlyDaysOfTheMonth) {
  RecordingSink sink;
  LunarMonthCalendar calendar(Day(2023, 3, 25), Stored(Day(2023, 3, 25), false), &sink);
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
  EXPECT_EQ(sink.seen[0].notice.lunar.year, 2023);
  EXPECT_EQ(sink.seen[0].notice.lunar.month, 2);
  EXPECT_EQ(sink.seen[0].notice.lunar.day, 11);
  EXPECT_TRUE(sink.seen[0].notice.lunar.isLeapMonth);
  EXPECT_EQ(calendar.HoverText(), FormatLunarDay(Day(2023, 4, 1), kDefaultLunarTemplate));
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
  EXPECT_EQ(sink.seen[0].notice.lunar.day, 11);
  EXPECT_EQ(Selected(calendar).day, 1);
}

TEST(CalendarModel, SolarListsLowerTheDayToTheMonthsEnd) {
  LunarMonthCalendar calendar(Day(2024, 1, 31), Stored(Day(2024, 1, 31), true), nullptr);
  EXPECT_EQ(calendar.YearEntries()[0], "公历 1902 年");
  EXPECT_EQ(calendar.MonthEntries()[0], "一月");
  calendar.ChooseMonth(1);
  EXPECT_EQ(Selected(calendar).month, 2);
  EXPECT_EQ(Selected(calendar).day, 29);
  calendar.SelectDay(Day(2023, 1, 31), true);  // a notified change sets the lists back
  calendar.ChooseMonth(1);
  EXPECT_EQ(Selected(calendar).day, 28);
  calendar.ChooseYear(2030 - 1902);
  EXPECT_EQ(Selected(calendar).year, 2030);
  EXPECT_EQ(Selected(calendar).month, 2);
}

TEST(CalendarModel, LunarListsFollowTheLeapMonthAndLowerDayThirty) {
  // Solar 2023-03-21 is lunar 2023-02-30: the ordinary second month has 30 days.
  LunarMonthCalendar calendar(Day(2023, 3, 21), Stored(Day(2023, 3, 21), false), nullptr);
  ASSERT_EQ(calendar.SelectedLunarDay().day, 30);
  std::string dayText = calendar.DayText();
  calendar.ChooseMonth(2);  // 闰二月, 29 days
  EXPECT_EQ(calendar.SelectedLunarDay().month, 2);
  EXPECT_TRUE(calendar.SelectedLunarDay().isLeapMonth);
  EXPECT_EQ(calendar.SelectedLunarDay().day, 29);
  EXPECT_EQ(calendar.DayText(), dayText);  // list choices leave the day text alone
  calendar.ChooseMonth(3);                 // 三月
  EXPECT_EQ(calendar.SelectedLunarDay().month, 3);
  EXPECT_FALSE(calendar.SelectedLunarDay().isLeapMonth);
  // A year without a leap month has 12 entries; the chosen month stays chosen.
  calendar.ChooseYear(2024 - 1902);
  EXPECT_EQ(calendar.MonthEntries().size(), 12u);
  EXPECT_EQ(calendar.MonthEntry(), 2);
  EXPECT_EQ(calendar.SelectedLunarDay().year, 2024);
  EXPECT_EQ(calendar.SelectedLunarDay().month, 3);
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
    LunarMonthCalendar calendar(Day(2024, 1, 1), Stored(Day(2024, 1, 1), false), nullptr);
    ASSERT_TRUE(calendar.SelectLunarDay(LunarDate{c.year, c.month, 1, c.leap}, true));
    calendar.ChooseYear(c.toYear - 1902);
    const LunarDate chosen = calendar.SelectedLunarDay();
    EXPECT_EQ(calendar.MonthEntry(), c.entry) << c.year << "-" << c.month << " " << c.toYear;
    EXPECT_EQ(std::vector<int>({chosen.year, chosen.month, chosen.isLeapMonth}),
              std::vector<int>({c.toYear, c.month2, c.leap2}))
        << c.year << "-" << c.month << " " << c.toYear;
  }
}

TEST(CalendarModel, CellsMarkTheSelectedDayAndToday) {
  LunarMonthCalendar calendar(Day(2024, 5, 20), Stored(Day(2024, 5, 3), true), nullptr);
  const auto marked = [&calendar](bool CalendarCell::*mark) {
    std::vector<int> cells;
    for (int i = 0; i < LunarMonthCalendar::kCellCount; ++i) {
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

TEST(CalendarModel, SelectionFromOutsideReadsAndRefuses) {
  RecordingSink sink;
  LunarMonthCalendar calendar(Day(2024, 2, 10), Stored(Day(2024, 2, 10), false), &sink);
  EXPECT_EQ(Text(calendar.SelectedLunarDay()), "2024-1-1");
  EXPECT_EQ(calendar.DayText(), "甲辰年(龙)正月初一 2024-2-10");

  sink.seen.clear();
  const DayNumber refusedDays[] = {Day(2049, 3, 1), Day(1900, 3, 1), Day(2023, 2, 29),
                                   DayNumberOf(1e300), kFirstLunarDay - 1};
  for (DayNumber day : refusedDays) EXPECT_FALSE(calendar.SelectDay(day, true));
  const LunarDate refusedLunar[] = {
      {2024, 1, 30, false},  // 正月 2024 has 29 days
      {2024, 1, -65535, false},    {2024, 13, 1, false},
      {2024 + 65536, 1, 1, false}, {2049, 6, 1, false},  // past the last day that converts
  };
  for (const LunarDate& date : refusedLunar) EXPECT_FALSE(calendar.SelectLunarDay(date, true));
  EXPECT_EQ(Text(Selected(calendar)), "2024-2-10");
  EXPECT_TRUE(sink.seen.empty());

  EXPECT_TRUE(calendar.SelectLunarDay(LunarDate{2023, 2, 1, true}, true));
  EXPECT_EQ(Text(Selected(calendar)), "2023-3-22");
  EXPECT_TRUE(calendar.SelectedLunarDay().isLeapMonth);
  // A leap flag on a month that is not the leap month: the ordinary month.
  EXPECT_TRUE(calendar.SelectLunarDay(LunarDate{2024, 2, 1, true}, true));
  EXPECT_EQ(Text(calendar.SelectedLunarDay()), "2024-2-1");
  EXPECT_EQ(sink.EventsSeen(), Events(2, CalendarEvent::kSelectionChanged));

  calendar.SetSolarMode(true);
  EXPECT_EQ(calendar.YearEntries()[0], "公历 1902 年");
  calendar.SetShowLists(false);
  EXPECT_FALSE(calendar.ShowLists());
}

TEST(CalendarModel, YearsAtTheEdgesHaveNoCurrentYearEntry) {
  LunarMonthCalendar calendar(Day(2048, 12, 31), Stored(Day(2048, 12, 31), true), nullptr);
  EXPECT_EQ(calendar.YearEntry(), -1);
  // December 2048 runs past the last convertible day: those cells have no lunar text.
  const auto& cells = calendar.Cells();
  int last = FindCell(calendar, 2048, 12, 31);
  ASSERT_GE(last, 0);
  ASSERT_LT(last + 1, LunarMonthCalendar::kCellCount);
  EXPECT_FALSE(cells[last + 1].lunar);
  EXPECT_EQ(LunarMonthCalendar::UpperText(cells[last + 1]), "");
  calendar.LeftButtonReleased(last + 1);
  EXPECT_EQ(Selected(calendar).year, 2048);
}

TEST(CalendarModel, StoredTemplateAndListsAreApplied) {
  CalendarStoredData data = Stored(Day(2012, 1, 12), false);
  data.textTemplate = "%y年%m月%d日 %Y年";
  data.showLists = false;
  LunarMonthCalendar calendar(Day(2024, 6, 1), data, nullptr);
  EXPECT_EQ(calendar.DayText(), "2012年1月12日 辛卯年");
  EXPECT_FALSE(calendar.ShowLists());
  // The template names every later selection too.
  calendar.SelectDay(Day(2023, 2, 20), true);
  EXPECT_EQ(calendar.DayText(), "2023年2月20日 癸卯年");
}

}  // namespace
}  // namespace memo
