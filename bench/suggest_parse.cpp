// Reading the suggestion service's result table: a page of n rows (about
// 100 bytes each, so 100,000 rows make 10 MB) parsed and appended to the
// keyword table, over growing sizes. The floor is one pass over the same page
// looking for the row marker, which any reading has to make.
#include "suggest/core/Suggestions.h"
#include "table/KeywordTableModel.h"

#include <benchmark/benchmark.h>
#include <cstring>
#include <memory>

namespace {

std::string ResultPage(int rows) {
    std::string page = "<html><body><table class=\"results\"><thead><tr><th>Searches</th><th>Keyword</th></tr>"
                       "</thead><tfoot><tr><td colspan=\"2\">Results</td></tr></tfoot>\n<tbody>\n";
    page.reserve(static_cast<std::size_t>(rows) * 104 + 256);
    for (int i = 0; i < rows; ++i) {
        const std::string n = std::to_string(i + 1);
        page += "<tr><td>" + std::to_string(100000 - i % 90000) + "</td><td><a href=\"/k?q=golf+clubs+" + n +
                "\">golf <b>clubs</b> &amp; balls " + n + "</a></td></tr>\n";
    }
    page += "</tbody></table></body></html>\n";
    return page;
}

// Rows per page: 100,000 rows make the 10 MB page; the others show the trend.
void Sizes(benchmark::internal::Benchmark* b) {
    for (int rows : {12500, 25000, 50000, 100000, 200000, 400000})
        b->Arg(rows);
}

void BM_ParseSuggestions(benchmark::State& state) {
    const std::string page = ResultPage(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        auto table = std::make_unique<tw::KeywordTable>();
        std::string countText;
        table->OnRowCountText = [&](const std::string& t) { countText = t; };
        state.ResumeTiming();
        tw::ParseSuggestions(page, *table);
        benchmark::DoNotOptimize(countText);
        state.PauseTiming();
        if (table->RowCount() != state.range(0) || countText != std::to_string(state.range(0)) + " items listed")
            state.SkipWithError("wrong rows");
        table.reset();
        state.ResumeTiming();
    }
    state.SetComplexityN(state.range(0));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(page.size()));
    state.counters["page_MB"] = static_cast<double>(page.size()) / 1e6;
}
BENCHMARK(BM_ParseSuggestions)->Apply(Sizes)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

// The same with the view adapter listening, as in the program.
void BM_ParseSuggestionsIntoModel(benchmark::State& state) {
    const std::string page = ResultPage(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        auto table = std::make_unique<tw::KeywordTable>();
        auto model = std::make_unique<tw::KeywordTableModel>(*table);
        state.ResumeTiming();
        tw::ParseSuggestions(page, *table);
        state.PauseTiming();
        if (model->rowCount() != state.range(0))
            state.SkipWithError("wrong rows");
        model.reset();
        table.reset();
        state.ResumeTiming();
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_ParseSuggestionsIntoModel)->Apply(Sizes)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

void BM_FloorOnePass(benchmark::State& state) {
    const std::string page = ResultPage(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        std::size_t rows = 0;
        for (const char* p = page.data();
             (p = static_cast<const char*>(memmem(p, page.data() + page.size() - p, "<tr><td>", 8))); p += 8)
            ++rows;
        benchmark::DoNotOptimize(rows);
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_FloorOnePass)->Apply(Sizes)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

} // namespace

BENCHMARK_MAIN();
