// Converting to GB 18030 a text that GBK cannot hold, whose every character takes four
// bytes: its time should grow with the text's length, not faster.
#include <benchmark/benchmark.h>

#include <string>

#include "text/text_codec.h"

namespace memo {
namespace {

void Utf16ToGb18030OfTextBeyondGbk(benchmark::State& state) {
  // Hangul syllables, none of which GBK holds.
  constexpr char16_t kFirst = u'\uAC00';
  std::u16string text;
  for (int64_t i = 0; i < state.range(0); ++i) text += static_cast<char16_t>(kFirst + i);
  for (auto _ : state) benchmark::DoNotOptimize(Utf16ToGb18030(text));
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

BENCHMARK(Utf16ToGb18030OfTextBeyondGbk)->RangeMultiplier(4)->Range(256, 8192);

}  // namespace
}  // namespace memo
