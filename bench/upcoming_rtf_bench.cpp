// The report view's document on each upcoming pass: the upcoming entries written as RTF,
// for reports of a few to a thousand upcoming friends.
#include <benchmark/benchmark.h>

#include <string>

#include "../tests/unit/sample_upcoming_page.h"
#include "report/upcoming_rtf.h"

namespace memo {
namespace {

void BM_UpcomingRtf(benchmark::State& state) {
  const UpcomingEntry sample = memo_test::SampleUpcomingEntries()[3];
  std::vector<UpcomingEntry> entries(static_cast<size_t>(state.range(0)), sample);
  for (size_t i = 0; i < entries.size(); ++i) entries[i].person.name = "好友" + std::to_string(i);
  for (auto _ : state) benchmark::DoNotOptimize(UpcomingRtf(entries, memo_test::SampleToday()));
}
BENCHMARK(BM_UpcomingRtf)->Arg(10)->Arg(100)->Arg(1000)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace memo
