#include "catalog/list_page.h"
#include "regex/regex_matcher.h"
#include "text/text.h"
#include "tools/sample-site/catalogue.h"

#include <benchmark/benchmark.h>

#include <cstddef>
#include <string>

namespace kinovra {
namespace {

constexpr std::size_t kMiB = 1024 * 1024;

// An item line that never closes its last span: with enough repeats no split among the four
// lazy groups is found within the match limit.
std::string HostileBlock(int repeats)
{
    std::string block =
        "   <ul>\r\n    <li><span class=\"tt\"></span><span class=\"xing_vb4\"><a href=\"";
    for (int i = 0; i < repeats; ++i)
        block += "\" target=\"_blank\">x</a></span> <span class=\"xing_vb5\">y</span> <span "
                 "class=\"xing_vb6\">z";
    return block + "\r\n   </ul> \r\n";
}

// A list page in code page 936 of at least `bytes` bytes: `hostile` first, then the sample
// catalogue's list pages one after another.
Text Page(std::size_t bytes, const std::string& hostile = {})
{
    std::string page = hostile;
    for (int n = 0; page.size() < bytes; ++n)
        page += sample_site::ListPageHtml(1 + n % sample_site::kListPageCount);
    return Utf8ToGbk(Text(page));
}

// What the list page does: one run, then every group of every match.
void RunListPage(benchmark::State& state, const Text& page)
{
    RegexMatcher matcher;
    int rows = 0;
    for (auto _ : state) {
        matcher.Create(kListRowPattern, page);
        rows = matcher.MatchCount();
        for (int i = 1; i <= rows; ++i)
            for (int group = 1; group <= 4; ++group)
                benchmark::DoNotOptimize(matcher.SubMatchText(i, group));
    }
    state.counters["rows"] = rows;
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * page.length());
}

void BM_ListPage(benchmark::State& state)
{
    RunListPage(state, Page(static_cast<std::size_t>(state.range(0)) * kMiB));
}
BENCHMARK(BM_ListPage)->Arg(10)->Arg(64)->Unit(benchmark::kMillisecond);

// One hostile block ahead of a 10 MiB page: skipped, and the blocks after it still found.
void BM_HostileLine(benchmark::State& state)
{
    RunListPage(state, Page(10 * kMiB, HostileBlock(200)));
}
BENCHMARK(BM_HostileLine)->Unit(benchmark::kMillisecond);

// 64 MiB of blocks that each cost just under the match limit: the run's time budget ends it.
void BM_HostilePage(benchmark::State& state)
{
    std::string blocks;
    while (blocks.size() < 64 * kMiB)
        blocks += HostileBlock(30);
    RunListPage(state, Page(0, blocks));
}
BENCHMARK(BM_HostilePage)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace kinovra

BENCHMARK_MAIN();
