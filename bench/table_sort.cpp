// Sort of 1,000,000 rows by Keywords and by Google (counts with thousands
// separators), beside a sort by SortRows with CompareItems on every compare.
#include "table/ColumnSort.h"
#include "table/core/KeywordTable.h"

#include <benchmark/benchmark.h>
#include <memory>
#include <random>
#include <string>

namespace {

constexpr int kRows = 1000000;

std::string WithSeparators(unsigned long long n) {
    const std::string digits = std::to_string(n);
    std::string out;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            out.push_back(',');
        out.push_back(digits[i]);
    }
    return out;
}

const tw::KeywordTable& Rows() {
    static const tw::KeywordTable table = [] {
        std::mt19937 random(42);
        const char* words[] = {"golf", "Soccer", "tennis", "club", "Shoes", "cheap", "best", "ball", "éclair", "Zebra"};
        std::vector<tw::KeywordRow> rows;
        rows.reserve(kRows);
        for (int i = 0; i < kRows; ++i) {
            std::string keyword = words[random() % 10];
            keyword += ' ';
            keyword += words[random() % 10];
            keyword += ' ' + std::to_string(random() % 100000);
            auto row = tw::KeywordTable::MakeRow(i + 1, keyword, WithSeparators(random() % 100000));
            row.SetCell(3, WithSeparators(random() % 2000000000ULL));
            rows.push_back(std::move(row));
        }
        tw::KeywordTable t;
        t.AppendRows(std::move(rows));
        return t;
    }();
    return table;
}

void SortBy(benchmark::State& state, int column) {
    for (auto _ : state) {
        state.PauseTiming();
        auto table = std::make_unique<tw::KeywordTable>(Rows());
        state.ResumeTiming();
        tw::SortByColumn(*table, column, true);
        benchmark::DoNotOptimize(table->GetCell(0, column).data());
        // Freeing the copy is no part of the sort.
        state.PauseTiming();
        table.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}

void BM_SortByKeywords(benchmark::State& state) {
    SortBy(state, 1);
}
BENCHMARK(BM_SortByKeywords)->Unit(benchmark::kMillisecond);

void BM_SortByGoogle(benchmark::State& state) {
    SortBy(state, 3);
}
BENCHMARK(BM_SortByGoogle)->Unit(benchmark::kMillisecond);

// The sort without keys worked out once: every compare converts both cells.
void BM_SortRowsCompareItemsGoogle(benchmark::State& state) {
    const tw::ItemComparer comparer(true);
    for (auto _ : state) {
        state.PauseTiming();
        auto table = std::make_unique<tw::KeywordTable>(Rows());
        state.ResumeTiming();
        table->SortRows(
            [&](const tw::KeywordRow& a, const tw::KeywordRow& b, int c) { return comparer.CompareItems(a, b, c); }, 3);
        benchmark::DoNotOptimize(table->GetCell(0, 3).data());
        state.PauseTiming();
        table.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(BM_SortRowsCompareItemsGoogle)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

BENCHMARK_MAIN();
