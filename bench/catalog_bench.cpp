#include "catalog/list_page.h"
#include "catalog/title_details.h"
#include "regex/regex_matcher.h"
#include "text/text.h"
#include "tools/sample-site/catalogue.h"

#include <benchmark/benchmark.h>

namespace {

using namespace kinovra;

// What a list page load does with a downloaded page, short of the window: conversion, the row
// pattern, and reading every row's four cells.
void BM_ListPageRows(benchmark::State& state)
{
    const Text body(sample_site::ListPageHtml(1));
    RegexMatcher matcher;
    for (auto _ : state) {
        const Text page = Utf8ToGbk(body);
        benchmark::DoNotOptimize(ListPageCount(page));
        matcher.Create(kListRowPattern, page);
        for (int match = 1; match <= matcher.MatchCount(); ++match)
            for (int column = 1; column <= 4; ++column)
                benchmark::DoNotOptimize(matcher.SubMatchText(match, column));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * body.length());
}
BENCHMARK(BM_ListPageRows)->Unit(benchmark::kMicrosecond);

void BM_TitleDetails(benchmark::State& state)
{
    const Text body(sample_site::TitlePageHtml(sample_site::TitleAt(0).id));
    for (auto _ : state)
        benchmark::DoNotOptimize(TitleDetailsText(Utf8ToGbk(body)));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * body.length());
}
BENCHMARK(BM_TitleDetails)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
