// Cost of the marker scanner and the HTML cleaner over growing inputs; each
// reports its complexity, which must stay linear.
#include "web/core/MarkerScanner.h"
#include "web/core/UUtils.h"

#include <benchmark/benchmark.h>

namespace {

// A page of n bytes with one cut every 100 bytes, walked to its end.
void BM_ExtractBetweenWalk(benchmark::State& state) {
    const auto n = static_cast<std::size_t>(state.range(0));
    std::string page;
    page.reserve(n + 100);
    while (page.size() < n)
        page += "<td>" + std::string(86, 'x') + "</td>\n";
    for (auto _ : state) {
        tw::ScanText scan(page);
        std::size_t cuts = 0;
        while (!tw::ExtractBetween(scan, "<TD>", "</TD>").empty())
            ++cuts;
        benchmark::DoNotOptimize(cuts);
    }
    state.SetComplexityN(static_cast<benchmark::IterationCount>(n));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * n));
}
BENCHMARK(BM_ExtractBetweenWalk)->RangeMultiplier(4)->Range(1 << 14, 10 << 20)->Complexity(benchmark::oN);

// "&amp;amp;amp;..." of n bytes: every replacement forms the next occurrence.
void BM_ReplaceAllNested(benchmark::State& state) {
    const auto n = static_cast<std::size_t>(state.range(0));
    std::string cell = "&";
    while (cell.size() < n)
        cell += "amp;";
    for (auto _ : state)
        benchmark::DoNotOptimize(tw::ReplaceAll(cell, "&amp;", "&"));
    state.SetComplexityN(static_cast<benchmark::IterationCount>(n));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * n));
}
BENCHMARK(BM_ReplaceAllNested)->RangeMultiplier(4)->Range(1 << 12, 1 << 20)->Complexity(benchmark::oN);

// A cell full of listed tags and entities through all 50 rows.
void BM_CleanHtmlCell(benchmark::State& state) {
    const auto n = static_cast<std::size_t>(state.range(0));
    std::string cell;
    while (cell.size() < n)
        cell += "<b>golf</b>&amp;nbsp;<br>\"clubs\"\r\n<TD>7</TD>\t";
    for (auto _ : state)
        benchmark::DoNotOptimize(tw::CleanHtml(cell));
    state.SetComplexityN(static_cast<benchmark::IterationCount>(n));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * n));
}
BENCHMARK(BM_CleanHtmlCell)->RangeMultiplier(4)->Range(1 << 12, 1 << 20)->Complexity(benchmark::oN);

} // namespace

BENCHMARK_MAIN();
