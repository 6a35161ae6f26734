// The lunar engine against ICU's Chinese calendar on the same dates, one conversion per
// iteration: random days of the whole range, and consecutive days as a month calendar or a
// birthday list walks them.
#include <benchmark/benchmark.h>
#include <unicode/calendar.h>
#include <unicode/locid.h>
#include <unicode/timezone.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <random>
#include <vector>

#include "datetime/civil_date.h"
#include "lunar/lunar_engine.h"

namespace memo {
namespace {

constexpr int64_t kMillisPerDay = 86400000;
constexpr double kChinaOffsetMillis = 8 * 3600000.0;
constexpr int64_t kIcuYearOffset = 2637;  // ICU counts Chinese years from 2637 BC

struct Day {
  DayNumber solar;
  LunarDate lunar;
};

enum class Order { Random, Consecutive };

// Every convertible day, in order or shuffled.
const std::vector<Day>& Days(Order order) {
  static const auto build = [](Order wanted) {
    std::vector<Day> days;
    for (DayNumber solar = kFirstLunarDay; solar <= kLastLunarDay; solar = solar + 1) {
      days.push_back(Day{solar, *LunarFromSolar(solar)});
    }
    if (wanted == Order::Random) std::shuffle(days.begin(), days.end(), std::mt19937(20240210));
    return days;
  };
  static const std::vector<Day> random = build(Order::Random);
  static const std::vector<Day> consecutive = build(Order::Consecutive);
  return order == Order::Random ? random : consecutive;
}

std::unique_ptr<icu::Calendar> ChineseCalendar() {
  UErrorCode status = U_ZERO_ERROR;
  return std::unique_ptr<icu::Calendar>(icu::Calendar::createInstance(
      icu::TimeZone::createTimeZone("GMT+08:00"), icu::Locale("zh_CN@calendar=chinese"), status));
}

void SolarToLunarEngine(benchmark::State& state, Order order) {
  const auto& days = Days(order);
  size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(LunarFromSolar(days[i].solar));
    if (++i == days.size()) i = 0;
  }
}

void SolarToLunarIcu(benchmark::State& state, Order order) {
  const auto& days = Days(order);
  auto calendar = ChineseCalendar();
  UErrorCode status = U_ZERO_ERROR;
  size_t i = 0;
  for (auto _ : state) {
    // From the civil date, as the engine starts.
    const CivilDate solar = days[i].solar.civil();
    calendar->setTime(
        static_cast<UDate>(DaysFromCivil(solar.year, solar.month, solar.day) * kMillisPerDay),
        status);
    LunarDate lunar;
    lunar.year = calendar->get(UCAL_EXTENDED_YEAR, status) - kIcuYearOffset;
    lunar.month = calendar->get(UCAL_MONTH, status) + 1;
    lunar.day = calendar->get(UCAL_DATE, status);
    lunar.isLeapMonth = calendar->get(UCAL_IS_LEAP_MONTH, status) != 0;
    benchmark::DoNotOptimize(lunar);
    if (++i == days.size()) i = 0;
  }
  if (U_FAILURE(status)) state.SkipWithError("ICU failed");
}

void LunarToSolarEngine(benchmark::State& state, Order order) {
  const auto& days = Days(order);
  size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(SolarFromLunar(days[i].lunar));
    if (++i == days.size()) i = 0;
  }
}

void LunarToSolarIcu(benchmark::State& state, Order order) {
  const auto& days = Days(order);
  auto calendar = ChineseCalendar();
  UErrorCode status = U_ZERO_ERROR;
  size_t i = 0;
  for (auto _ : state) {
    const LunarDate& lunar = days[i].lunar;
    calendar->clear();
    calendar->set(UCAL_EXTENDED_YEAR, lunar.year + kIcuYearOffset);
    calendar->set(UCAL_MONTH, lunar.month - 1);
    calendar->set(UCAL_IS_LEAP_MONTH, lunar.isLeapMonth ? 1 : 0);
    calendar->set(UCAL_DATE, lunar.day);
    // ICU gives the start of that day in China.
    const double civilDays =
        std::floor((calendar->getTime(status) + kChinaOffsetMillis) / kMillisPerDay);
    const CivilDate solar = CivilFromDays(static_cast<int64_t>(civilDays));
    benchmark::DoNotOptimize(solar);
    if (++i == days.size()) i = 0;
  }
  if (U_FAILURE(status)) state.SkipWithError("ICU failed");
}

BENCHMARK_CAPTURE(SolarToLunarEngine, random, Order::Random);
BENCHMARK_CAPTURE(SolarToLunarIcu, random, Order::Random);
BENCHMARK_CAPTURE(SolarToLunarEngine, consecutive, Order::Consecutive);
BENCHMARK_CAPTURE(SolarToLunarIcu, consecutive, Order::Consecutive);
BENCHMARK_CAPTURE(LunarToSolarEngine, random, Order::Random);
BENCHMARK_CAPTURE(LunarToSolarIcu, random, Order::Random);
BENCHMARK_CAPTURE(LunarToSolarEngine, consecutive, Order::Consecutive);
BENCHMARK_CAPTURE(LunarToSolarIcu, consecutive, Order::Consecutive);

}  // namespace
}  // namespace memo
