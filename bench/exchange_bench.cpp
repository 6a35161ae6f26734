// Exchange files at the size of a large address book: 10,000 friends (half of them lunar)
// written as an iCalendar file of 21 years each (210,000 events), and 10,000 contacts read
// from a vCard file as a phone writes it.
#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

#include "exchange/calendar_writer.h"
#include "exchange/vcard_reader.h"
#include "exchange/vcard_writer.h"
#include "reckoning/birthday.h"

namespace memo {
namespace {

constexpr int kFriends = 10000;

std::vector<Friend> SampleFriends(int count) {
  std::mt19937 random(13);
  std::uniform_int_distribution<int> year(1930, 2010), month(1, 12), day(1, 28);
  const char* const surnames[] = {"张", "王", "李", "赵", "欧阳"};
  std::vector<Friend> friends;
  for (int i = 0; i < count; ++i) {
    const bool lunar = i % 2 == 1;
    const std::string text = BirthdayText(year(random), month(random), day(random), lunar, false);
    friends.push_back(Friend{0, surnames[i % 5] + std::to_string(i), ReadBirthday(text, lunar),
                             "1380000" + std::to_string(i)});
  }
  return friends;
}

void CalendarOfTwentyOneYears(benchmark::State& state) {
  const std::vector<Friend> friends = SampleFriends(kFriends);
  CalendarOptions options;
  options.today = MakeDateTime(2025, 6, 1);
  options.alarmDaysAhead = 10;
  int events = 0;
  for (auto _ : state) {
    const CalendarFile file = WriteCalendar(friends, options);
    events = file.events;
    benchmark::DoNotOptimize(file.bytes.data());
  }
  state.counters["events"] = events;
}
BENCHMARK(CalendarOfTwentyOneYears)->Unit(benchmark::kMillisecond);

void ContactsFromVCards(benchmark::State& state) {
  const std::string file = WriteVCards(SampleFriends(kFriends)).bytes;
  size_t friends = 0;
  for (auto _ : state) {
    const ImportRead read = ReadVCards(file);
    friends = read.friends.size();
    benchmark::DoNotOptimize(read.friends.data());
  }
  state.counters["friends"] = static_cast<double>(friends);
}
BENCHMARK(ContactsFromVCards)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace memo
