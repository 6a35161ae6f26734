// The report view's work on each rewrite of the upcoming page: reading the page's HTML and
// writing it as RTF, for pages of a few to a thousand upcoming friends.
#include <benchmark/benchmark.h>

#include <string>

#include "../tests/unit/sample_upcoming_page.h"
#include "reckoning/page_rtf.h"

namespace memo {
namespace {

// The later section with this many lines, the way the report nests them.
std::string PageWithLines(int lines) {
  std::string section;
  for (int i = 0; i < lines; ++i) {
    section += memo_test::ContentTemplate("好友" + std::to_string(i) +
                                          "(33岁)&nbsp; 公历5月3日&nbsp; 还有3天生日&nbsp; "
                                          "联系方式：13800000000") +
               "\r\n";
  }
  return "<FONT color=#ff0000 size=2>今天是 公历2012年4月15日 农历2012年3月25日</FONT>"
         "<P align=center><FONT color=#33ff00 size=6><STRONG>最近生日</STRONG></FONT></P>\r\n\r\n" +
         memo_test::ContentTemplate(section) + "</FONT>\r\n";
}

void BM_PageHtmlToRtf(benchmark::State& state) {
  const std::string page = PageWithLines(static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(PageHtmlToRtf(page));
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(page.size()));
}
BENCHMARK(BM_PageHtmlToRtf)->Arg(10)->Arg(100)->Arg(1000)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace memo
