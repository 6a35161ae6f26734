// The day watch: what each look at the clock asks for as days pass, jump, go back and pass
// behind a locked session.
#include <gtest/gtest.h>

#include <vector>

#include "app/day_watch.h"

namespace memo {
namespace {

enum class Event { kLook, kLock, kUnlock };

struct Step {
  Event event;
  DateTime now;
  DayChange expected;
};

struct Case {
  const char* name;
  DateTime shownDay;
  std::vector<Step> steps;
};

constexpr DayChange kNothing{};
constexpr DayChange kToday{true, false};
constexpr DayChange kTodayAndAges{true, true};

DateTime April2012(int day, int hour = 0, int minute = 0) {
  return MakeDateTime(2012, 4, day, hour, minute);
}

TEST(DayWatch, AsksForEachNewDayOnceAndForTheAgesOnlyInANewYear) {
  const Case cases[] = {
      {"the shown day asks nothing to its last second",
       April2012(15, 9),
       {{Event::kLook, April2012(15), kNothing}, {Event::kLook, April2012(15, 23, 59), kNothing}}},
      {"midnight, once however often the clock is read",
       April2012(15),
       {{Event::kLook, April2012(16, 0, 1), kToday},
        {Event::kLook, April2012(16, 0, 2), kNothing},
        {Event::kLook, April2012(16, 18), kNothing},
        {Event::kLook, April2012(17), kToday}}},
      {"days slept through are one change",
       April2012(15),
       {{Event::kLook, April2012(22, 7), kToday}, {Event::kLook, April2012(22, 7, 1), kNothing}}},
      {"a clock set back is a change too, and forward again another",
       April2012(15),
       {{Event::kLook, April2012(14, 23), kToday}, {Event::kLook, April2012(15), kToday}}},
      {"nothing while locked; the unlock looks, once",
       April2012(15),
       {{Event::kLock, April2012(15), kNothing},
        {Event::kLook, April2012(16), kNothing},
        {Event::kLook, April2012(17), kNothing},
        {Event::kUnlock, April2012(17, 8), kToday},
        {Event::kLook, April2012(17, 9), kNothing}}},
      {"an unlock on the shown day asks nothing",
       April2012(15),
       {{Event::kLock, April2012(15), kNothing}, {Event::kUnlock, April2012(15, 1), kNothing}}},
      {"a new solar year, and back",
       MakeDateTime(2012, 12, 31),
       {{Event::kLook, MakeDateTime(2013, 1, 1), kTodayAndAges},
        {Event::kLook, MakeDateTime(2012, 12, 31), kTodayAndAges}}},
      // Lunar 2012年12月29日 is the last day of that lunar year.
      {"a new lunar year",
       MakeDateTime(2013, 2, 9),
       {{Event::kLook, MakeDateTime(2013, 2, 10), kTodayAndAges},
        {Event::kLook, MakeDateTime(2013, 2, 11), kToday}}},
  };
  for (const Case& c : cases) {
    DayWatch watch(c.shownDay);
    for (size_t i = 0; i < c.steps.size(); ++i) {
      const Step& step = c.steps[i];
      DayChange change;
      if (step.event == Event::kLock) {
        watch.Lock();
      } else {
        change = step.event == Event::kLook ? watch.Look(step.now) : watch.Unlock(step.now);
      }
      EXPECT_EQ(change.today, step.expected.today) << c.name << ", step " << i;
      EXPECT_EQ(change.ages, step.expected.ages) << c.name << ", step " << i;
    }
  }
}

}  // namespace
}  // namespace memo
