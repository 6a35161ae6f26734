// The iCalendar file: content lines, the events of a span with the program's fallback
// days, the repeating form, and identifiers that stay put from one export to the next.
#include "exchange/calendar_writer.h"

#include <gtest/gtest.h>

#include <sstream>

#include "exchange/content_lines.h"
#include "exchange_friends.h"
#include "text/text_codec.h"

namespace memo {
namespace {

using testing::Person;
using Lines = std::vector<std::string>;

// The content lines of a file, unfolded; every physical line must end in CR LF.
Lines Unfolded(const std::string& bytes) {
  Lines lines;
  size_t pos = 0;
  while (pos < bytes.size()) {
    const size_t end = bytes.find("\r\n", pos);
    EXPECT_NE(end, std::string::npos) << "a line without CR LF";
    if (end == std::string::npos) break;
    const std::string line = bytes.substr(pos, end - pos);
    EXPECT_LE(line.size(), kFoldedLineOctets) << line;
    if (!line.empty() && line[0] == ' ') {
      lines.back() += line.substr(1);
    } else {
      lines.push_back(line);
    }
    pos = end + 2;
  }
  return lines;
}

// The values of one property in file order.
Lines Values(const Lines& lines, const std::string& name) {
  Lines values;
  for (const std::string& line : lines) {
    if (line.compare(0, name.size() + 1, name + ":") == 0)
      values.push_back(line.substr(name.size() + 1));
  }
  return values;
}

TEST(ContentLines, FoldsAtSeventyFiveOctetsWithoutSplittingACharacter) {
  for (const std::string& value :
       {std::string(74, 'a'), std::string(75, 'a'), std::string(200, 'b'),
        std::string("x") + std::string(u8"寿辰备忘录") + std::string(300, 'c'), [] {
          std::string text;
          for (int i = 0; i < 60; ++i) text += u8"张三的生日";
          return text;
        }()}) {
    std::string out;
    AppendContentLine(out, "SUMMARY:" + value);
    EXPECT_EQ(Unfolded(out), Lines{"SUMMARY:" + value});
    std::istringstream physical(out);
    for (std::string line; std::getline(physical, line);) {
      // A continuation line never begins inside a character.
      if (line.size() > 1) {
        EXPECT_NE(static_cast<unsigned char>(line[1]) & 0xC0, 0x80) << line;
      }
    }
  }
}

TEST(ContentLines, EscapesText) {
  const std::pair<const char*, const char*> cases[] = {
      {"a,b;c\\d", "a\\,b\\;c\\\\d"},
      {"line\r\nnext\rthird\nfourth", "line\\nnext\\nthird\\nfourth"},
      {"tab\tbell\a", "tab\tbell"},
      {u8"张三", u8"张三"},
  };
  for (const auto& [text, escaped] : cases) EXPECT_EQ(EscapedText(text), escaped) << text;
}

class CalendarTest : public ::testing::Test {
 protected:
  CalendarFile Write(const std::vector<Friend>& friends, int years, bool rules = false,
                     AgeForm ageForm = AgeForm::kFullYears) {
    CalendarOptions options;
    options.ageForm = ageForm;
    options.today = TodayDates(MakeDateTime(2012, 6, 10), LunarDate{2012, 4, 21, true});
    options.years = years;
    options.rules = rules;
    options.stampUtc = MakeDateTime(2012, 6, 10, 8, 30, 5);
    return WriteCalendar(friends, options);
  }
};

TEST_F(CalendarTest, EventsOfASpanOnTheProgramsDays) {
  const CalendarFile file =
      Write({Person("甲", "1992年2月29日", false, "13800000000"),
             Person("乙", "1971年4月30日[闰月]", true), Person("丙", "1990年5月12日", true),
             Person("丁", "不是日期", false), Person("戊", "2013年1月1日", false),
             Person("李四", "1952年2月30日", true)},
            2);
  const Lines lines = Unfolded(file.bytes);
  EXPECT_EQ(file.events, 8);  // 戊 is born in the span's last year: no birthday in it yet
  EXPECT_EQ(file.skipped, 1);
  EXPECT_EQ(lines.front(), "BEGIN:VCALENDAR");
  EXPECT_EQ(lines.back(), "END:VCALENDAR");
  EXPECT_EQ(
      Values(lines, "DTSTART;VALUE=DATE"),
      (Lines{"20120229", "20130228",  // 2月29日 on 2月28日 in a common year
             "20120618",              // leap 4月30日 in a leap month of 29 days
             "20130607",              // no leap month in 2013, and its 4月 has 29 days
             "20120630", "20130619", "20120321", "20130409"}));  // both years' 2月 have 29 days
  EXPECT_EQ(Values(lines, "DTEND;VALUE=DATE")[1], "20130301");
  const Lines summaries = Values(lines, "SUMMARY");
  EXPECT_EQ(summaries[0], u8"甲的20岁生日（二十岁整生日）");
  EXPECT_EQ(summaries[2], u8"乙的41岁生日（农历闰四月三十）");
  EXPECT_EQ(summaries[5], u8"丙的23岁生日（农历五月十二）");
  EXPECT_EQ(summaries[6], u8"李四的60岁生日（六十大寿）（农历二月三十）");
  EXPECT_EQ(Values(lines, "DESCRIPTION")[0], u8"联系方式：13800000000\\n生于1992年");
  EXPECT_EQ(Values(lines, "DESCRIPTION")[1], u8"甲的20岁生日（二十岁整生日）");  // the alarm's
  // 09:00 the day before and 09:00 on the day, for every event.
  EXPECT_EQ(Values(lines, "TRIGGER").size(), 2u * file.events);
  EXPECT_EQ(Values(lines, "TRIGGER")[0], "-PT15H");
  EXPECT_EQ(Values(lines, "TRIGGER")[1], "PT9H");
  EXPECT_EQ(Values(lines, "DTSTAMP")[0], "20120610T083005Z");
}

// A 虚岁 60 comes a year before the 周岁 60; 两者 marks the 周岁's.
TEST_F(CalendarTest, TitlesInTheChosenAgeFormWithItsMilestones) {
  const struct {
    AgeForm form;
    Lines titles;
  } cases[] = {
      {AgeForm::kNominal,
       {u8"李四的虚岁60生日（六十大寿）（农历三月初一）", u8"李四的虚岁61生日（农历三月初一）"}},
      {AgeForm::kBoth,
       {u8"李四的59岁（虚岁60）生日（农历三月初一）",
        u8"李四的60岁（虚岁61）生日（六十大寿）（农历三月初一）"}},
  };
  for (const auto& c : cases) {
    const CalendarFile file = Write({Person("李四", "1953年3月1日", true)}, 2, false, c.form);
    EXPECT_EQ(Values(Unfolded(file.bytes), "SUMMARY"), c.titles) << static_cast<int>(c.form);
  }
}

// Without a year: every year of the span from this one, no age in the title, no year of birth.
TEST_F(CalendarTest, BirthdaysWithoutAYear) {
  const CalendarFile file =
      Write({Person("王丽", "5月1日", false, "138"), Person("张伟", "4月15日[闰月]", true)}, 2);
  const Lines lines = Unfolded(file.bytes);
  EXPECT_EQ(Values(lines, "DTSTART;VALUE=DATE"),
            (Lines{"20120501", "20130501", "20120604", "20130524"}));
  EXPECT_EQ(Values(lines, "SUMMARY"),
            (Lines{u8"王丽的生日", u8"王丽的生日", u8"张伟的生日（农历闰四月十五）",
                   u8"张伟的生日（农历闰四月十五）"}));
  EXPECT_EQ(Values(lines, "DESCRIPTION")[0], u8"联系方式：138");
  const Lines repeating = Unfolded(Write({Person("王丽", "5月1日", false)}, 21, true).bytes);
  EXPECT_EQ(Values(repeating, "DTSTART;VALUE=DATE"), Lines{"20120501"});
}

TEST_F(CalendarTest, IdentifiersStayTheSameAcrossExports) {
  const Friend person = Person("甲", "1980年5月3日", false);
  const Lines first = Values(Unfolded(Write({person}, 3).bytes), "UID");
  const Lines later =
      Values(Unfolded(Write({Person("乙", "1980年5月3日", false), person}, 2).bytes), "UID");
  ASSERT_EQ(first.size(), 3u);
  EXPECT_NE(first[0], first[1]);  // one per year
  EXPECT_EQ(later[2], first[0]);
  EXPECT_EQ(later[3], first[1]);
  EXPECT_NE(later[0], first[0]);  // another name
  const Lines repeating = Values(Unfolded(Write({person}, 3, true).bytes), "UID");
  EXPECT_EQ(repeating, Values(Unfolded(Write({person}, 1, true).bytes), "UID"));
  EXPECT_NE(repeating[0], first[0]);
}

TEST_F(CalendarTest, RepeatingRules) {
  const struct {
    Friend person;
    const char* start;
    const char* rule;
  } cases[] = {
      {Person("甲", "1980年5月3日", false), "19800503", "FREQ=YEARLY"},
      {Person("甲", "1992年2月29日", false), "19920229", "FREQ=YEARLY;BYMONTH=2;BYMONTHDAY=-1"},
      {Person("乙", "1985年11月1日", true), "19851212",
       "RSCALE=CHINESE;FREQ=YEARLY;BYMONTH=11;BYMONTHDAY=1;SKIP=BACKWARD"},
      {Person("乙", "2009年5月12日[闰月]", true), "20090704",
       "RSCALE=CHINESE;FREQ=YEARLY;BYMONTH=5L;BYMONTHDAY=12;SKIP=BACKWARD"},
      // Born before the engine's first year: the rule starts with its first year.
      {Person("丙", "1890年1月1日", true), "19010219",
       "RSCALE=CHINESE;FREQ=YEARLY;BYMONTH=1;BYMONTHDAY=1;SKIP=BACKWARD"},
  };
  for (const auto& [person, start, rule] : cases) {
    const Lines lines = Unfolded(Write({person}, 21, true).bytes);
    EXPECT_EQ(Values(lines, "DTSTART;VALUE=DATE"), Lines{start}) << rule;
    EXPECT_EQ(Values(lines, "RRULE"), Lines{rule});
    EXPECT_EQ(Values(lines, "SUMMARY"), Lines{Gb18030ToUtf8(person.name + " 生日")}) << rule;
  }
}

TEST(CalendarYears, AWholeNumberFromOneToTwoHundred) {
  const std::pair<const char*, std::optional<int>> cases[] = {
      {"21", 21},
      {" 5 ", 5},
      {"200", 200},
      {"0", std::nullopt},
      {"201", std::nullopt},
      {"-1", std::nullopt},
      {"", std::nullopt},
      {"2x", std::nullopt},
      {"99999999999", std::nullopt},
  };
  for (const auto& [text, years] : cases) EXPECT_EQ(CalendarYearsOf(text), years) << text;
}

}  // namespace
}  // namespace memo
