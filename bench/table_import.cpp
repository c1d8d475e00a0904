// Import of a keyword list file of 1,000,000 lines, beside the floor of
// reading the same file into memory.
#include "table/KeywordImport.h"
#include "table/core/KeywordTable.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <string>

namespace {

constexpr int kLines = 1000000;

const std::string& ListFile() {
    static QTemporaryDir dir;
    static const std::string path = [] {
        const std::string p = dir.filePath("keywords.txt").toStdString();
        std::string text;
        for (int i = 0; i < kLines; ++i)
            text += "keyword phrase number " + std::to_string(i) + "\r\n";
        FILE* f = std::fopen(p.c_str(), "wb");
        std::fwrite(text.data(), 1, text.size(), f);
        std::fclose(f);
        return p;
    }();
    return path;
}

void BM_ReadFileIntoMemory(benchmark::State& state) {
    const std::string& path = ListFile();
    for (auto _ : state) {
        FILE* f = std::fopen(path.c_str(), "rb");
        std::fseek(f, 0, SEEK_END);
        std::string bytes(static_cast<std::size_t>(std::ftell(f)), '\0');
        std::fseek(f, 0, SEEK_SET);
        benchmark::DoNotOptimize(std::fread(bytes.data(), 1, bytes.size(), f));
        std::fclose(f);
        benchmark::DoNotOptimize(bytes.data());
    }
    state.SetItemsProcessed(state.iterations() * kLines);
    state.counters["floor"] = 1;
}
BENCHMARK(BM_ReadFileIntoMemory)->Unit(benchmark::kMillisecond);

void BM_ImportKeywordList(benchmark::State& state) {
    const std::string& path = ListFile();
    for (auto _ : state) {
        tw::KeywordTable table;
        table.AddKeywordRow(1, "old", "");
        const auto outcome = tw::ImportKeywordList(table, path);
        if (outcome.lines != kLines)
            state.SkipWithError("wrong line count");
        table.UpdateRowCount(tw::rcTotal);
        benchmark::DoNotOptimize(table.RowCount());
    }
    state.SetItemsProcessed(state.iterations() * kLines);
}
BENCHMARK(BM_ImportKeywordList)->Unit(benchmark::kMillisecond);

// Rows added one at a time, as suggestion gathering adds them.
void BM_AddKeywordRowOneAtATime(benchmark::State& state) {
    for (auto _ : state) {
        tw::KeywordTable table;
        for (int i = 0; i < kLines; ++i)
            table.AddKeywordRow(i + 1, "keyword phrase", "1,234");
        benchmark::DoNotOptimize(table.RowCount());
    }
    state.SetItemsProcessed(state.iterations() * kLines);
}
BENCHMARK(BM_AddKeywordRowOneAtATime)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
