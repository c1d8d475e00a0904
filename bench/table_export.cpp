// CSV export of 1,000,000 rows, beside one fwrite of the same bytes.
#include "table/ResultsFile.h"
#include "table/core/CsvExport.h"
#include "table/core/KeywordTable.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <string>
#include <unistd.h>

namespace {

constexpr int kRows = 1000000;

QTemporaryDir& Dir() {
    static QTemporaryDir dir;
    return dir;
}

const tw::KeywordTable& Rows() {
    static const tw::KeywordTable table = [] {
        std::vector<tw::KeywordRow> rows;
        rows.reserve(kRows);
        for (int i = 0; i < kRows; ++i) {
            auto row = tw::KeywordTable::MakeRow(i + 1, "keyword phrase " + std::to_string(i), "12,345");
            row.SetCell(3, "1,234,567");
            row.SetCell(4, "98,765");
            row.SetCell(5, "4,321");
            rows.push_back(std::move(row));
        }
        tw::KeywordTable t;
        t.AppendRows(std::move(rows));
        return t;
    }();
    return table;
}

void BM_SaveResultsFile(benchmark::State& state) {
    const std::string path = Dir().filePath("results.csv").toStdString();
    const tw::KeywordTable& rows = Rows();
    for (auto _ : state) {
        if (!tw::SaveResultsFile(rows, path).ok)
            state.SkipWithError("save failed");
    }
    state.SetItemsProcessed(state.iterations() * kRows);
    state.SetBytesProcessed(state.iterations() * static_cast<long long>(tw::CsvText(Rows()).size()));
}
BENCHMARK(BM_SaveResultsFile)->Unit(benchmark::kMillisecond);

void Fwrite(benchmark::State& state, bool sync) {
    const std::string bytes = tw::CsvText(Rows());
    const std::string path = Dir().filePath("floor.csv").toStdString();
    for (auto _ : state) {
        FILE* f = std::fopen(path.c_str(), "wb");
        benchmark::DoNotOptimize(std::fwrite(bytes.data(), 1, bytes.size(), f));
        std::fflush(f);
        if (sync)
            fsync(fileno(f));
        std::fclose(f);
    }
    state.SetItemsProcessed(state.iterations() * kRows);
    state.SetBytesProcessed(state.iterations() * static_cast<long long>(bytes.size()));
}

// The floor: the same bytes, already built, in one fwrite.
void BM_OneFwriteOfTheSameBytes(benchmark::State& state) {
    Fwrite(state, false);
    state.counters["floor"] = 1;
}
BENCHMARK(BM_OneFwriteOfTheSameBytes)->Unit(benchmark::kMillisecond);

// QSaveFile flushes the file to disk before it replaces the old one; this
// floor does the same.
void BM_OneFwriteAndFsync(benchmark::State& state) {
    Fwrite(state, true);
}
BENCHMARK(BM_OneFwriteAndFsync)->Unit(benchmark::kMillisecond);

// Building the lines alone, handed on in pieces and dropped.
void BM_BuildCsvLines(benchmark::State& state) {
    const tw::KeywordTable& rows = Rows();
    for (auto _ : state) {
        std::size_t bytes = 0;
        tw::WriteCsv(rows, [&bytes](std::string_view piece) {
            bytes += piece.size();
            return true;
        });
        benchmark::DoNotOptimize(bytes);
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(BM_BuildCsvLines)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
