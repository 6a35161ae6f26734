// The counts of lunar birthdays against an independent computation, ICU's Chinese calendar,
// for every lunar day of 1901..2048, counted from the first day of each lunar year, by the
// core and by the command-line tool, which prints the core's counts: each year's birthdays
// in one `days` call.
#include <gtest/gtest.h>

#include <string>
#include <unordered_map>
#include <vector>

#include "cli_runner.h"
#include "datetime/clock.h"
#include "icu_chinese_calendar.h"
#include "reckoning/next_birthday.h"
#include "text/text_codec.h"

namespace memo {
namespace {

constexpr int kLongestLunarMonth = 30;

std::string IsoText(int64_t civilDays) {
  const CivilDate date = CivilFromDays(civilDays);
  char text[16];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
  return text;
}

// ICU's lunar days, read once by walking the solar days: a lunar date's solar day, as days
// since 1970-01-01.
class IcuLunarDays {
 public:
  explicit IcuLunarDays(icu::Calendar& calendar) {
    // On to lunar 2049's new year, so that every day of lunar 2048 is in.
    for (int64_t days = DaysFromCivil(1901, 2, 19); days <= DaysFromCivil(2049, 3, 1); ++days) {
      const LunarDate lunar = testing::IcuLunarDate(calendar, days);
      days_[Key(lunar.year, lunar.month, lunar.day, lunar.isLeapMonth)] = days;
    }
  }
  std::optional<int64_t> SolarDays(int year, int month, int day, bool leap) const {
    const auto found = days_.find(Key(year, month, day, leap));
    if (found == days_.end()) return std::nullopt;
    return found->second;
  }

 private:
  static int Key(int year, int month, int day, bool leap) {
    return ((year * 13 + month) * 2 + (leap ? 1 : 0)) * 32 + day;
  }
  std::unordered_map<int, int64_t> days_;
};

TEST(CountsAgainstIcu, EveryLunarDayInTheCoreAndThroughTheTool) {
  auto calendar = testing::ChineseCalendar();
  ASSERT_NE(calendar, nullptr);
  const IcuLunarDays icu(*calendar);
  // The rule the count follows, on ICU's days: a leap birthday in a year without that leap
  // month on the ordinary month; a day that does not convert (past the engine's last day too)
  // on the day before, in the leap month when the birthday and the year have it.
  const int64_t lastDay = DaysFromCivil(2048, 12, 31);
  const auto birthdayIn = [&](int year, int month, int day, bool leap) {
    const bool yearHasLeap = icu.SolarDays(year, month, 1, true).has_value();
    const auto at = [&](int d, bool l) {
      const std::optional<int64_t> days = icu.SolarDays(year, month, d, l && yearHasLeap);
      return days && *days <= lastDay ? days : std::nullopt;
    };
    std::optional<int64_t> target = at(day, leap);
    if (!target && leap) target = at(day - 1, true);
    if (!target) target = at(day - 1, false);
    return target;
  };
  // Where ICU's month boundaries are wrong, so are its month lengths.
  const auto icuWrong = [](int64_t days) {
    return testing::InIcuFaultRun(days) || testing::InIcuFaultRun(days + 1);
  };

  std::vector<std::string> mismatches;
  int compared = 0;
  for (int year = 1901; year <= 2048; ++year) {
    // Today: the year's first day, or the first day after it that ICU reads right.
    int64_t today = icu.SolarDays(year, 1, 1, false).value_or(0);
    ASSERT_NE(today, 0) << year;
    while (testing::InIcuFaultRun(today)) ++today;
    const LunarDate todayLunar = testing::IcuLunarDate(*calendar, today);

    FixClock(static_cast<DateTime>(today - kDateTimeEpochDays));
    std::string arguments, counts;
    std::vector<std::string> names;
    std::vector<std::optional<int>> counted;
    // The tool prints a birthday that never comes as the count back to 1899-12-30.
    const int never = static_cast<int>(-TodayNow().solar);
    std::vector<std::optional<int64_t>> targets;
    for (int month = 1; month <= 12; ++month) {
      for (bool leap : {false, true}) {
        for (int day = 1; day <= kLongestLunarMonth; ++day) {
          // The days of this year, and day 30 of its months of 29 days.
          const int existing = day < kLongestLunarMonth ? day : day - 1;
          if (!icu.SolarDays(year, month, existing, leap)) continue;
          const int occurrence = todayLunar.month > month ? todayLunar.year + 1 : todayLunar.year;
          const std::string text = "2000年" + std::to_string(month) + "月" + std::to_string(day) +
                                   "日" + (leap ? "[闰月]" : "");
          // UTF-8, as the tool reads its arguments and prints its counts.
          arguments += " '" + Gb18030ToUtf8(text) + "'";
          names.push_back(std::to_string(year) + ": " + Gb18030ToUtf8(text));
          counted.push_back(DaysUntilBirthday(ReadBirthday(text, true), TodayNow()));
          counts += std::to_string(counted.back().value_or(never)) + "\n";
          targets.push_back(birthdayIn(occurrence, month, day, leap));
        }
      }
    }
    const testing::CliResult result =
        testing::RunCli("--today " + IsoText(today) + " days" + arguments + " --lunar");
    EXPECT_EQ(result.exitCode, 0) << year;
    EXPECT_EQ(result.out, counts) << year;
    for (size_t i = 0; i < targets.size(); ++i) {
      const std::optional<int64_t>& target = targets[i];
      if (target && icuWrong(*target)) continue;
      ++compared;
      if (target ? counted[i] != *target - today : counted[i].has_value()) {
        mismatches.push_back(names[i] + " counted " + std::to_string(counted[i].value_or(never)));
      }
    }
  }
  SetClock(nullptr);
  EXPECT_GT(compared, 54000);
  if (mismatches.size() > 10) mismatches.resize(10);
  EXPECT_TRUE(mismatches.empty()) << ::testing::PrintToString(mismatches);
}

}  // namespace
}  // namespace memo
